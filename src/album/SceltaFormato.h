#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>

class CatalogoFormati;

// The names and fixed texts of one format selector of the main window.
struct DescrizioneSelettore {
  QString casella;  // object names of the check box, the list and the label
  QString lista;
  QString etichetta;
  QString prefissoEtichetta;
  QString toolTipLista;
};

// The check box's tooltip for its state.
QString ToolTipFormatoAmatoriale(bool amatoriale);

// What one format selector shows: the amateur filter (the check box), the
// formats of the drop-down list, the chosen one and the label. A widget mirrors
// it; every change is announced by cambiata().
class SceltaFormato : public QObject {
  Q_OBJECT

 public:
  SceltaFormato(const CatalogoFormati& catalogo, DescrizioneSelettore descrizione,
                QObject* parent = nullptr);

  const DescrizioneSelettore& descrizione() const { return descrizione_; }
  bool amatoriale() const { return amatoriale_; }
  const QStringList& formati() const { return formati_; }
  // The chosen format; empty when none is.
  QString formato() const;
  QString testoEtichetta() const;
  QString toolTipCasella() const { return ToolTipFormatoAmatoriale(amatoriale_); }

  // The check box's value; a change refilters the list.
  void ImpostaAmatoriale(bool valore);
  // Chooses a format of the list; false, and nothing changes, when it is not there.
  bool ImpostaFormato(const QString& formato);
  void ScegliPrimo();
  void Svuota();
  void AggiungiFormato(const QString& formato);
  // Refills the list with the catalogue's formats of that kind and chooses the
  // default format, or the first when the default is not among them.
  void FiltraFormatoAmatoriale(std::int16_t Amatoriale);

 Q_SIGNALS:
  void cambiata();
  void formatoScelto(const QString& formato);

 private:
  void Scegli(qsizetype indice);

  const CatalogoFormati& catalogo_;
  DescrizioneSelettore descrizione_;
  bool amatoriale_ = true;
  QStringList formati_;
  qsizetype scelto_ = -1;
};
