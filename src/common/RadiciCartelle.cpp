#include "common/RadiciCartelle.h"

#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "common/MontaggiDesktop.h"
#include "common/NomeMontaggio.h"

namespace {

QString NomeUtente() {
  if (const passwd* utente = getpwuid(geteuid()); utente && utente->pw_name)
    return QString::fromLocal8Bit(utente->pw_name);
  return qEnvironmentVariable("USER");
}

QString Pulito(const QString& percorso) { return QDir::cleanPath(QFileInfo(percorso).absoluteFilePath()); }

// A folder of the desktop that is worth its own entry.
void AggiungiSeDistinta(QList<RadiceCartella>& radici, RadiceCartella::Tipo tipo, const QString& nome,
                        QStandardPaths::StandardLocation posizione, const QString& home) {
  const QString percorso = QStandardPaths::writableLocation(posizione);
  if (percorso.isEmpty() || !QFileInfo(percorso).isDir()) return;
  const QString pulito = Pulito(percorso);
  if (pulito != home) radici.append({tipo, nome, pulito});
}

}  // namespace

QStringList RadiciSupportiRimovibili() {
  const QString utente = NomeUtente();
  if (utente.isEmpty()) return {RadiceMontaggiVirtuali()};
  return {QStringLiteral("/media/") + utente, QStringLiteral("/run/media/") + utente, RadiceMontaggiVirtuali()};
}

QList<RadiceCartella> SupportiMontati(const QStringList& radiciSupporti) {
  QList<RadiceCartella> supporti;
  const QList<MontaggioDesktop> desktop = MontaggiDesktop();
  for (const QString& radice : radiciSupporti) {
    const QDir cartella(radice);
    const QStringList nomi =
        cartella.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QString& nome : nomi) {
      const QString percorso = Pulito(cartella.filePath(nome));
      supporti.append({RadiceCartella::Tipo::Supporto, EtichettaMontaggio(percorso, desktop), percorso});
    }
  }
  return supporti;
}

QList<RadiceCartella> RadiciCartelle(const QStringList& radiciSupporti) {
  const QString home = Pulito(QDir::homePath());
  QList<RadiceCartella> radici{{RadiceCartella::Tipo::Home, QStringLiteral("Cartella Home"), home}};
  AggiungiSeDistinta(radici, RadiceCartella::Tipo::Immagini, QStringLiteral("Immagini"),
                     QStandardPaths::PicturesLocation, home);
  AggiungiSeDistinta(radici, RadiceCartella::Tipo::Scrivania, QStringLiteral("Scrivania"),
                     QStandardPaths::DesktopLocation, home);
  radici.append(SupportiMontati(radiciSupporti));
  radici.append({RadiceCartella::Tipo::FileSystem, QStringLiteral("File system"), QDir::rootPath()});
  return radici;
}

qsizetype RadicePiuVicina(const QList<RadiceCartella>& radici, const QString& percorso) {
  qsizetype migliore = -1;
  for (qsizetype i = 0; i < radici.size(); ++i) {
    const QString& radice = radici[i].percorso;
    const bool contiene = percorso == radice || radice == QDir::rootPath() || percorso.startsWith(radice + u'/');
    if (contiene && (migliore < 0 || radice.size() > radici[migliore].percorso.size())) migliore = i;
  }
  return migliore;
}
