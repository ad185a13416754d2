#include "album/ImprontaFile.h"

#include <QFile>
#include <vector>

#include "codecs/CMD5.h"

namespace {

constexpr qint64 kBlocco = 1 << 20;

// Digests sorgente to its end, handing each block to ancheA as well; none on
// a read error or when ancheA refuses a block.
template <typename AncheA>
std::optional<ImprontaFile> Digerisci(QFile& sorgente, AncheA ancheA) {
  std::vector<char> dati(kBlocco);
  MD5Progressivo md5;
  qint64 dimensione = 0;
  for (;;) {
    const qint64 n = sorgente.read(dati.data(), kBlocco);
    if (n < 0) return std::nullopt;
    if (n == 0) return ImprontaFile{dimensione, md5.Risultato()};
    md5.Aggiungi(dati.data(), static_cast<std::size_t>(n));
    dimensione += n;
    if (!ancheA(dati.data(), n)) return std::nullopt;
  }
}

}  // namespace

std::optional<ImprontaFile> CopiaConImpronta(const QString& origine, const QString& destinazione) {
  QFile sorgente(origine);
  if (!sorgente.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return std::nullopt;
  QFile copia(destinazione);
  if (!copia.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) return std::nullopt;
  const auto impronta =
      Digerisci(sorgente, [&copia](const char* dati, qint64 n) { return copia.write(dati, n) == n; });
  // A write error that shows only at close (a full disk) is a failed copy too.
  copia.close();
  if (impronta && copia.error() == QFileDevice::NoError) return impronta;
  QFile::remove(destinazione);
  return std::nullopt;
}

std::optional<ImprontaFile> LeggiImpronta(const QString& percorso) {
  QFile file(percorso);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return std::nullopt;
  return Digerisci(file, [](const char*, qint64) { return true; });
}
