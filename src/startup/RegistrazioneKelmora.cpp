#include "startup/RegistrazioneKelmora.h"

#include <QFileInfo>
#include <QSettings>

#include "controls/ChiamaRegistrazione.h"

namespace {

QString LibreriaRegistrata() {
  const QSettings registro(PercorsoRegistroComponenti(), QSettings::IniFormat);
  return registro
      .value(QString::fromLatin1(kNomeKvSeparatore) + u'/' + QString::fromLatin1(kChiaveLibreria))
      .toString();
}

}  // namespace

bool RegistraKelmoraSeManca(const QString& libreria) {
  const QString registrata = LibreriaRegistrata();
  if (!registrata.isEmpty() && QFileInfo::exists(registrata)) return true;
  if (!QFileInfo::exists(libreria)) return false;
  return ChiamaRegistrazione(libreria, false).stato == EsitoRegistrazione::Stato::Riuscita;
}
