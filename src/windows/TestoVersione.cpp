#include "windows/TestoVersione.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

#include "settings/TestoLingua.h"

namespace {

QString DataGenerale(const QDateTime& momento) {
  const QLocale locale;
  // The long time format of some locales ends with the time zone, which the
  // general date does not show.
  QString formatoOra = locale.timeFormat(QLocale::LongFormat);
  formatoOra.remove(QLatin1Char('t'));
  return locale.toString(momento.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
         locale.toString(momento.time(), formatoOra.trimmed());
}

}  // namespace

QString TestoVersione(const QString& versione, const QDateTime& ultimaModifica,
                      const QString& formatoData) {
  if (!ultimaModifica.isValid()) return versione;
  const QString data = formatoData.isEmpty() ? DataGenerale(ultimaModifica)
                                             : QLocale().toString(ultimaModifica, formatoData);
  return versione + QStringLiteral(" (") + data + QLatin1Char(')');
}

QDateTime UltimaModificaProgramma() {
  // The running executable itself: an installed program's folder of files
  // (the per-user one) holds no program file.
  const QFileInfo programma(QCoreApplication::applicationFilePath());
  return programma.exists() ? programma.lastModified() : QDateTime();
}

QString TestoVersioneProgramma(const PercorsiProgramma& percorsi) {
  return TestoVersione(QStringLiteral(VELISTRA_VERSIONE), UltimaModificaProgramma(),
                       TestoLingua(percorsi, QStringLiteral("0000")));
}
