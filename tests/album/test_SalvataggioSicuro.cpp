#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include "AlbumDiProva.h"
#include "album/AlbumVelistra.h"
#include "album/CatalogoFormati.h"
#include "support/CartellaProgrammaProva.h"

namespace {

QStringList Avanzi(const CartellaProgrammaProva& cartella) {
  return QDir(cartella.percorso())
      .entryList({QStringLiteral("Velistra.xml?*")}, QDir::Files | QDir::Hidden);
}

// A child saves the album in a loop and is killed at random moments: the file
// must always be the old or the new album, whole.
TEST(SalvataggioSicuro, AKilledSaveLeavesTheOldOrTheNewAlbumAndLoadingClearsItsLeftovers) {
  CartellaProgrammaProva cartella(false);
  const QStringList formati{"F1", "F2", "F3", "F4"};
  cartella.Scrivi(QStringLiteral("Formati.xml"), CatalogoDiFormati(formati.size()));
  CatalogoFormati catalogo{cartella.percorsi()};
  catalogo.CaricaFormati();
  AlbumVelistra album{cartella.percorsi()};
  ASSERT_TRUE(album.CaricaVelistra(catalogo.TuttiGliIdFormati()));
  RiempiAlbum(album, 2000, formati, cartella.percorsi().CartellaLavoro);
  ASSERT_TRUE(album.SalvaVelistra());
  const QByteArray vecchio = album.Byte();
  album.AggiungiFileVelistra("F3", cartella.percorsi().CartellaLavoro + QStringLiteral("imgVE_999999.jpg"),
                             QStringLiteral("aggiunta.jpg"), QStringLiteral("FILLIN"));
  const QByteArray nuovo = album.Byte();

  int uccisioni = 0, vecchi = 0, nuovi = 0, conAvanzi = 0;
  QElapsedTimer tempo;
  tempo.start();
  while (uccisioni < 40 && tempo.elapsed() < 60000) {
    QProcess figlio;
    figlio.start(QStringLiteral(ALBUM_SALVATAGGIO_CONTINUO), {cartella.percorso(), "F3"});
    ASSERT_TRUE(figlio.waitForStarted(10000));
    while (!figlio.canReadLine() && figlio.state() == QProcess::Running) figlio.waitForReadyRead(100);
    ASSERT_EQ(figlio.readLine(), QByteArray("pronto\n")) << figlio.readAllStandardError().toStdString();
    QThread::usleep(QRandomGenerator::global()->bounded(1000, 40000));
    figlio.kill();  // SIGKILL
    ASSERT_TRUE(figlio.waitForFinished(10000));
    ASSERT_EQ(figlio.exitStatus(), QProcess::CrashExit) << "the child stopped by itself";
    ++uccisioni;

    const QByteArray letto = cartella.Leggi(QStringLiteral("Velistra.xml"));
    ASSERT_TRUE(letto == vecchio || letto == nuovo) << "broken album after kill " << uccisioni;
    (letto == vecchio ? vecchi : nuovi)++;
    if (!Avanzi(cartella).isEmpty()) ++conAvanzi;

    AlbumVelistra riaperto{cartella.percorsi()};
    ASSERT_TRUE(riaperto.CaricaVelistra(catalogo.TuttiGliIdFormati()));
    EXPECT_EQ(riaperto.Byte(), letto);
    EXPECT_TRUE(Avanzi(cartella).isEmpty()) << Avanzi(cartella).join(u' ').toStdString();
  }
  EXPECT_GE(uccisioni, 20);
  RecordProperty("vecchi", vecchi);
  RecordProperty("nuovi", nuovi);
  RecordProperty("conAvanzi", conAvanzi);
  std::printf("kills %d: old %d, new %d, with leftovers %d, %lld ms\n", uccisioni, vecchi, nuovi,
              conAvanzi, static_cast<long long>(tempo.elapsed()));
}

}  // namespace
