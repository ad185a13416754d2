#include "mainwindow/GeometriaFinestra.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

#include "settings/ChiaviImpostazioni.h"
#include "settings/cINIProfiles.h"
#include "settings/ValoriProgramma.h"

namespace {

constexpr double kTwipsPerPollice = 1440.0;

const QScreen* Schermo(const QWidget* finestra) {
  const QScreen* schermo = finestra ? finestra->screen() : nullptr;
  return schermo ? schermo : QGuiApplication::primaryScreen();
}

// A stored value that cannot be read falls back to the default. Values beyond
// 16 bits are kept: a wide window on a large screen is more than 32767 twips.
int LeggiIntero(const cINIProfiles& ini, const QString& chiave, int predefinito) {
  bool ok = false;
  const int valore = ini.GetPrivateProfileString(kSezioneDimForm, chiave, QString::number(predefinito),
                                                 Programma().PercorsoIni)
                         .trimmed()
                         .toInt(&ok);
  return ok ? valore : predefinito;
}

void ScriviIntero(const cINIProfiles& ini, const QString& chiave, double valore) {
  ini.WritePrivateProfileString(kSezioneDimForm, chiave, QString::number(static_cast<long long>(std::trunc(valore))),
                                Programma().PercorsoIni);
}

}  // namespace

double TwipsPerPixelX(const QWidget* finestra) {
  const QScreen* schermo = Schermo(finestra);
  return schermo ? kTwipsPerPollice / schermo->logicalDotsPerInchX() : 15.0;
}

double TwipsPerPixelY(const QWidget* finestra) {
  const QScreen* schermo = Schermo(finestra);
  return schermo ? kTwipsPerPollice / schermo->logicalDotsPerInchY() : 15.0;
}

DimensioniFinestra LeggiDimensioniFinestra() {
  const cINIProfiles ini;
  DimensioniFinestra d;
  d.picResizer2 = LeggiIntero(ini, QStringLiteral("picResizer2"), d.picResizer2);
  d.FormMassimizzata = LeggiIntero(ini, QStringLiteral("FormMassimizzata"), 1) != 0;
  d.AltezzaForm = LeggiIntero(ini, QStringLiteral("AltezzaForm"), d.AltezzaForm);
  d.LarghezzaForm = LeggiIntero(ini, QStringLiteral("LarghezzaForm"), d.LarghezzaForm);
  d.TopForm = LeggiIntero(ini, QStringLiteral("TopForm"), d.TopForm);
  d.LeftForm = LeggiIntero(ini, QStringLiteral("LeftForm"), d.LeftForm);
  return d;
}

QRect GeometriaDaTwips(const DimensioniFinestra& d, const QWidget* finestra) {
  const double tx = TwipsPerPixelX(finestra);
  const double ty = TwipsPerPixelY(finestra);
  return QRect(qRound(d.LeftForm / tx), qRound(d.TopForm / ty), qRound(d.LarghezzaForm / tx),
               qRound(d.AltezzaForm / ty));
}

void SalvaDimensioni(const cINIProfiles& ini, const QWidget* finestra, int splitter) {
  const bool massimizzata = finestra->isMaximized();
  if (!massimizzata) {
    const double tx = TwipsPerPixelX(finestra);
    const double ty = TwipsPerPixelY(finestra);
    ScriviIntero(ini, QStringLiteral("AltezzaForm"), finestra->height() * ty);
    ScriviIntero(ini, QStringLiteral("LarghezzaForm"), finestra->width() * tx);
    ScriviIntero(ini, QStringLiteral("TopForm"), finestra->y() * ty);
    ScriviIntero(ini, QStringLiteral("LeftForm"), finestra->x() * tx);
  }
  ScriviIntero(ini, QStringLiteral("picResizer2"), splitter);
  ini.WritePrivateProfileString(kSezioneDimForm, QStringLiteral("FormMassimizzata"),
                                massimizzata ? QStringLiteral("1") : QStringLiteral("0"),
                                Programma().PercorsoIni);
}
