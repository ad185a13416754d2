#include "AmbienteFuzz.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {

// Memory-backed when the machine has it: the album target saves on every input.
QString ModelloCartella() {
  const QFileInfo memoria(QStringLiteral("/dev/shm"));
  const QString base = memoria.isDir() && memoria.isWritable() ? memoria.filePath()
                                                                 : QDir::tempPath();
  return base + QStringLiteral("/velistra-fuzz-XXXXXX");
}

QTemporaryDir* cartella = nullptr;

}  // namespace

void PreparaAmbienteFuzz() {
  static bool pronto = false;
  if (pronto) return;
  pronto = true;
  static int argc = 1;
  static char nome[] = "fuzz";
  static char* argv[] = {nome, nullptr};
  static QCoreApplication applicazione(argc, argv);
  // Decoders complain about every broken picture; the fuzzer's output is what matters.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));

  cartella = new QTemporaryDir(ModelloCartella());
  std::atexit([] { delete cartella; });
  const QString dati = QStringLiteral(VELISTRA_SORGENTI "/data/");
  for (const QString& file : {QStringLiteral("Formati.xml"), QStringLiteral("Velistra.ini"),
                              QStringLiteral("VelistraFTP.ini")})
    QFile::copy(dati + file, CartellaFuzz() + file);
  QDir().mkpath(PercorsiFuzz().CartellaLavoro);
}

QString CartellaFuzz() { return cartella->path() + u'/'; }

PercorsiProgramma PercorsiFuzz() { return PercorsiNellaCartella(CartellaFuzz()); }

QByteArray ByteFuzz(const std::uint8_t* dati, std::size_t quanti) {
  return QByteArray(reinterpret_cast<const char*>(dati), static_cast<qsizetype>(quanti));
}

void ScriviFileFuzz(const QString& percorso, const QByteArray& contenuto) {
  QFile file(percorso);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      file.write(contenuto) != contenuto.size())
    FallimentoFuzz("the input file could be written", __FILE__, __LINE__);
}

void FallimentoFuzz(const char* condizione, const char* file, int riga) {
  std::fprintf(stderr, "%s:%d: check failed: %s\n", file, riga, condizione);
  std::abort();
}
