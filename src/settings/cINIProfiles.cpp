#include "settings/cINIProfiles.h"

#include <QFile>
#include <QFileInfo>
#include <mutex>

#include "common/ScritturaAtomica.h"
#include "settings/FileProfilo.h"

namespace {

constexpr qsizetype kLunghezzaMassimaValore = 499;
// The key list comes back through a 2500-character buffer: names joined by NUL.
constexpr qsizetype kBufferChiavi = 2500;

std::optional<FileProfilo> Leggi(const QString& percorso) {
  QFile file(percorso);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return FileProfilo::DaByte(file.readAll());
}

// Settings are written from tasks too (the photo counter after an album save,
// the price list's time during a send): two read-modify-writes of a file must
// not interleave, or one change would be lost.
std::mutex& ScritturaInCorso() {
  static std::mutex mutex;
  return mutex;
}

}  // namespace

QString cINIProfiles::GetPrivateProfileString(const QString& lpApplicationName,
                                              const QString& lpKeyName, const QString& lpDefault,
                                              const QString& lpFileName) const {
  const auto file = Leggi(lpFileName);
  if (!file) return lpDefault;
  const auto valore = file->Valore(lpApplicationName, lpKeyName);
  if (!valore) return lpDefault;
  return valore->left(kLunghezzaMassimaValore);
}

int cINIProfiles::WritePrivateProfileString(const QString& lpApplicationName,
                                            const QString& lpKeyName, const QString& Valore,
                                            const QString& lpFileName) const {
  return WritePrivateProfileStrings({{lpApplicationName, lpKeyName, Valore}}, lpFileName);
}

int cINIProfiles::WritePrivateProfileStrings(const QList<VoceProfilo>& voci,
                                             const QString& lpFileName) const {
  const std::lock_guard<std::mutex> chiave(ScritturaInCorso());
  std::optional<FileProfilo> letto = Leggi(lpFileName);
  // A file that exists but cannot be read is never replaced by one holding only these values.
  if (!letto && QFileInfo::exists(lpFileName)) return 0;
  FileProfilo file = letto.value_or(FileProfilo{});
  for (const VoceProfilo& voce : voci) file.ImpostaValore(voce.sezione, voce.chiave, voce.valore);
  return ScriviFileAtomico(lpFileName, file.InByte(), LettoriNuovoFile::SoloUtente) ? 1 : 0;
}

void cINIProfiles::DeletePrivateProfileKeyString(const QString& lpApplicationName,
                                                 const QString& lpKeyName,
                                                 const QString& lpFileName) const {
  const std::lock_guard<std::mutex> chiave(ScritturaInCorso());
  auto file = Leggi(lpFileName);
  if (file && file->RimuoviChiave(lpApplicationName, lpKeyName))
    ScriviFileAtomico(lpFileName, file->InByte(), LettoriNuovoFile::SoloUtente);
}

QStringList cINIProfiles::EnumPrivateProfileKeyString(const QString& lpApplicationName,
                                                      const QString& lpFileName,
                                                      int& ResultCount) const {
  QStringList risultato;
  const auto file = Leggi(lpFileName);
  if (file) {
    qsizetype usati = 0;
    for (const QString& nome : file->Chiavi(lpApplicationName)) {
      // Names that no longer fit the buffer (with their NUL and the final one) are lost.
      if (usati + nome.size() + 1 > kBufferChiavi - 1) break;
      usati += nome.size() + 1;
      risultato.append(nome);
    }
  }
  ResultCount = static_cast<int>(risultato.size());
  return risultato;
}
