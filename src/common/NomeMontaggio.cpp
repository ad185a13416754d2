#include "common/NomeMontaggio.h"

#include <unistd.h>

#include <QDir>
#include <QUrl>

namespace {
const QString kHost = QStringLiteral("host=");
}  // namespace

QString NomeMontaggio(const QString& cartella) {
  const qsizetype inizio = cartella.indexOf(kHost);
  if (inizio < 0 || !cartella.left(inizio).endsWith(u':')) return cartella;
  const QString valore = cartella.mid(inizio + kHost.size()).section(u',', 0, 0);
  const QString dispositivo = QUrl::fromPercentEncoding(valore.toUtf8()).replace(u'_', u' ').trimmed();
  // "[usb:001,005]" is a bus address, not a name.
  if (dispositivo.isEmpty() || dispositivo.startsWith(u'[')) return cartella;
  return dispositivo;
}

QString EtichettaMontaggio(const QString& percorso, const QList<MontaggioDesktop>& desktop) {
  const QString cartella = QDir::cleanPath(percorso);
  for (const MontaggioDesktop& montaggio : desktop)
    if (!montaggio.nome.trimmed().isEmpty() && QDir::cleanPath(montaggio.percorso) == cartella)
      return montaggio.nome.trimmed();
  return NomeMontaggio(cartella.section(u'/', -1));
}

QString RadiceMontaggiVirtuali() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR", QStringLiteral("/run/user/%1").arg(getuid()));
  return runtime + QStringLiteral("/gvfs");
}
