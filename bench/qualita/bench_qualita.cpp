// The print-quality check of an album: the resolution of every entry from the
// photos' headers, against a full decode of the same files.
// Run by hand: bench_qualita [entries] [width]
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "support/FotoProva.h"
#include "album/AlbumVelistra.h"
#include "album/CatalogoFormati.h"
#include "ordine/QualitaAlbum.h"

namespace {

// Gradients with grain, so the JPEG costs to decode what a photo does.
QImage FotoConGrana(QSize misura) {
  QImage immagine(misura, QImage::Format_RGB32);
  QRandomGenerator caso(7);
  for (int y = 0; y < misura.height(); ++y) {
    auto* riga = reinterpret_cast<QRgb*>(immagine.scanLine(y));
    for (int x = 0; x < misura.width(); ++x) {
      const int grana = static_cast<int>(caso.bounded(24));
      riga[x] = qRgb((x * 255 / misura.width() + grana) % 256, (y * 255 / misura.height() + grana) % 256,
                     (x + y + grana) % 256);
    }
  }
  return immagine;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication applicazione(argc, argv);
  const int n = argc > 1 ? std::max(1, atoi(argv[1])) : 1000;
  const int larghezza = argc > 2 ? std::max(16, atoi(argv[2])) : 1600;
  const QSize misura(larghezza, larghezza * 3 / 4);

  QTemporaryDir cartella;
  const PercorsiProgramma percorsi = PercorsiNellaCartella(cartella.path());
  // A downloaded price list: one paper from the id, one from "dimensioni".
  QFile formati(percorsi.PercorsoFormati);
  formati.open(QIODevice::WriteOnly);
  formati.write("<xml><formato id='15x10' amatoriale='1'>25</formato>"
                "<formato id='30x20P' dimensioni='20x30' amatoriale='0'>269</formato></xml>");
  formati.close();
  CatalogoFormati catalogo(percorsi);
  catalogo.CaricaFormati();
  AlbumVelistra album(percorsi);
  album.CaricaVelistra(catalogo.TuttiGliIdFormati());

  // Every file its own, a quarter of them turned by their EXIF orientation.
  QDir().mkpath(percorsi.CartellaLavoro);
  const QByteArray jpeg = Codifica(FotoConGrana(misura), "jpeg", 90);
  const QByteArray girata = ConExif(jpeg, 6);
  QStringList foto;
  for (int i = 0; i < n; ++i) {
    const QString percorso = percorsi.CartellaLavoro + QStringLiteral("imgVE_%1.jpg").arg(i, 6, 10, QChar(u'0'));
    ScriviFoto(percorso, i % 4 == 0 ? girata : jpeg);
    album.AggiungiFileVelistra(i % 2 ? QStringLiteral("15x10") : QStringLiteral("30x20P"), percorso,
                               QStringLiteral("t.jpg"), i % 3 ? QStringLiteral("FILLIN") : QStringLiteral("FITIN"));
    foto.append(percorso);
  }

  int sgranate = 0;
  QElapsedTimer tempo;
  std::vector<double> volte;
  for (int volta = 0; volta < 5; ++volta) {
    tempo.start();
    sgranate = ContaStampeSgranate(VociDaStampare(album, catalogo));
    volte.push_back(tempo.nsecsElapsed() / 1e6);
  }
  std::sort(volte.begin(), volte.end());
  const double intestazioni = volte[volte.size() / 2];
  qint64 pixel = 0;
  tempo.start();
  for (const QString& percorso : foto) {
    QImageReader lettore(percorso);
    lettore.setAutoTransform(true);
    pixel += lettore.read().sizeInBytes();
  }
  const double decodifica = tempo.nsecsElapsed() / 1e6;
  std::printf("%d entries, %dx%d JPEG (%lld KiB each), files in the page cache\n", n, misura.width(),
              misura.height(), static_cast<long long>(jpeg.size() / 1024));
  std::printf("resolution from the headers (median of 5): %8.1f ms  (%d low or poor)  target <= 200 ms for 1000\n",
              intestazioni, sgranate);
  std::printf("full decode of the same files: %8.1f ms\n", decodifica);
  std::printf("ratio decode / headers: %.0f\n", decodifica / intestazioni);
  return pixel > 0 ? 0 : 1;
}
