#pragma once
#include <QSize>
#include <QSizeF>
#include <QString>
#include <optional>

// How a photo meets its paper: covering it, so the print cuts away what sticks
// out, or inside it, so the print adds white margins.
enum class Adattamento { Riempi, Contieni };

// The paper of one print.
struct CartaStampa {
  QString formato;
  QSizeF centimetri;
  Adattamento adattamento = Adattamento::Riempi;
};

enum class LivelloQualita { Buona, Bassa, Scarsa };

constexpr int kDpiConsigliati = 150;
constexpr int kDpiMinimi = 100;

struct QualitaStampa {
  LivelloQualita livello = LivelloQualita::Buona;
  int puntiPerPollice = 0;
};

// "10x15" or "12.7x17.8": the two sides in centimetres; nothing for any other
// text or a side that is not above zero.
std::optional<QSizeF> LeggiCentimetri(const QString& testo);
// The paper turned like the photo: its long side along the photo's long side.
QSizeF CartaOrientata(QSizeF centimetri, QSize foto);
// The pixels per inch of the print, rounded down; 0 without a photo size.
int PuntiPerPollice(QSize foto, QSizeF centimetri, Adattamento adattamento);
LivelloQualita ClassificaQualita(int puntiPerPollice);
// Good when the photo's size is unknown: no warning without a reason.
QualitaStampa ValutaStampa(QSize foto, const CartaStampa& carta);
