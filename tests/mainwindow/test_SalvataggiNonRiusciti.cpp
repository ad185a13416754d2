#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "FinestraProva.h"
#include "album/FileAlbum.h"
#include "mainwindow/CampoNumeroFoto.h"
#include "support/DiscoPieno.h"
#include "support/SenzaPermessiRoot.h"
#include "thumbview/ctrFotoView.h"

namespace {

const QString kCoda = QStringLiteral(
    "'.\r\nIl disco potrebbe essere pieno o la cartella protetta da scrittura: il contenuto salvato in "
    "precedenza non è stato modificato.");

QStringList Contenuto(const QString& cartella) {
  return QDir(cartella).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// The main window with its program folder (album, settings, work folder) on a
// small disk of its own, and five photos on the ordinary one.
class SalvataggiNonRiusciti : public ::testing::Test {
 protected:
  DiscoPieno disco{16 << 20};
  std::unique_ptr<AmbienteFinestra> ambiente;
  std::unique_ptr<FinestraProva> finestra;

  void SetUp() override {
    if (!disco.valido()) GTEST_SKIP() << "mounting a small file system needs root";
    ambiente = std::make_unique<AmbienteFinestra>(disco.percorso());
    ScriviFotoDaStampa(ambiente->foto.path(), {"a.jpg", "b.png", "c.tiff", "d.jpg", "e.jpg"});
    finestra = ambiente->FinestraSulleFoto();
    finestra->CopiaNelFormato("15x10", {0});
    ambiente->piattaforma.Azzera();
  }

  QStringList Testi() const { return ambiente->piattaforma.testi(); }
};

TEST_F(SalvataggiNonRiusciti, CopyingIntoTheAlbumOnAFullDiskKeepsWhatWasCopiedWholeAndListed) {
  const PercorsiProgramma v = ambiente->percorsi();
  disco.Riempi();
  finestra->CopiaNelFormato("15x10", {1, 2, 3});

  const QStringList testi = Testi();
  ASSERT_GE(testi.size(), 2) << testi.join(u'|').toStdString();
  EXPECT_TRUE(testi[0].startsWith(QStringLiteral("Impossibile copiare la fotografia \""))) << testi[0].toStdString();
  EXPECT_EQ(ambiente->piattaforma.messaggi()[0].icona, IconaMessaggio::Critica);
  // The album on disk lists exactly the copies in the work folder, each one whole.
  const QList<FormatoAlbum> album = LeggiAlbum(LeggiFile(v.PercorsoVelistraXML));
  ASSERT_FALSE(album.isEmpty());
  QStringList elencate;
  for (const VoceAlbum& voce : TutteLeVoci(album)) {
    elencate.append(QFileInfo(voce.copia).fileName());
    EXPECT_EQ(LeggiFile(voce.copia), LeggiFile(ambiente->foto.path() + u'/' + voce.titolo));
  }
  elencate.sort();
  EXPECT_EQ(elencate, Contenuto(v.CartellaLavoro));
  EXPECT_LT(elencate.size(), 4);
  EXPECT_EQ(Contenuto(v.PercorsoProgramma).filter(QStringLiteral(".xml.")), QStringList{});

  // With space again the rest goes in.
  disco.Svuota();
  ambiente->piattaforma.Azzera();
  finestra->CopiaNelFormato("15x10", {4});
  EXPECT_EQ(TutteLeVoci(LeggiAlbum(LeggiFile(v.PercorsoVelistraXML))).size(), elencate.size() + 1);
}

TEST_F(SalvataggiNonRiusciti, AnAlbumSaveOnAFullDiskIsToldAndKeepsTheSavedAlbum) {
  const PercorsiProgramma v = ambiente->percorsi();
  const QByteArray album = LeggiFile(v.PercorsoVelistraXML);
  disco.Riempi();
  finestra->Controlli().fvFotoFormato->Spunte().CheckaTutto(true);
  finestra->Controlli().txtNumFoto->setText("3");
  finestra->Premi(finestra->Controlli().tbOperazioni, "NumFoto");
  EXPECT_EQ(Testi(), QStringList{QStringLiteral("Impossibile salvare il Velistra nel file\r\n'") +
                                 v.PercorsoVelistraXML + kCoda});
  EXPECT_EQ(ambiente->piattaforma.messaggi()[0].icona, IconaMessaggio::Critica);
  EXPECT_EQ(LeggiFile(v.PercorsoVelistraXML), album);
  disco.Svuota();
}

TEST_F(SalvataggiNonRiusciti, AReadOnlyProgramFolderKeepsTheAlbumAndTheSettingsAndSaysSo) {
  const PercorsiProgramma v = ambiente->percorsi();
  const QByteArray album = LeggiFile(v.PercorsoVelistraXML);
  const QByteArray impostazioni = LeggiFile(v.PercorsoIni);
  {
    const CartellaSoloLettura soloLettura(v.PercorsoProgramma);
    finestra->Controlli().fvFotoFormato->Spunte().CheckaTutto(true);
    finestra->Controlli().txtNumFoto->setText("3");
    finestra->Premi(finestra->Controlli().tbOperazioni, "NumFoto");
    finestra->close();
  }

  const QString albumNonSalvato =
      QStringLiteral("Impossibile salvare il Velistra nel file\r\n'") + v.PercorsoVelistraXML + kCoda;
  // Closing: the clean-stop mark, then the album once more.
  EXPECT_EQ(Testi(), (QStringList{albumNonSalvato,
                                  "Impossibile salvare le impostazioni nel file\r\n'" + v.PercorsoIni + kCoda,
                                  albumNonSalvato}));
  EXPECT_EQ(LeggiFile(v.PercorsoVelistraXML), album);
  EXPECT_EQ(LeggiFile(v.PercorsoIni), impostazioni);
}

TEST_F(SalvataggiNonRiusciti, AnOrderFolderOnADiskThatFillsUpNeverGetsTheEndMarker) {
  finestra->CopiaNelFormato("15x10", {1, 2, 3, 4});
  DiscoPieno destinazione{1 << 20};
  destinazione.Riempi(24 << 10);
  ambiente->piattaforma.Azzera();
  ambiente->piattaforma.ScegliCartella(destinazione.percorso());
  finestra->Premi(finestra->Controlli().tbOperazioni, "C8");

  const QStringList testi = Testi();
  ASSERT_EQ(testi.size(), 2) << testi.join(u'|').toStdString();
  EXPECT_TRUE(testi[0].startsWith(QStringLiteral("Impossibile scrivere \""))) << testi[0].toStdString();
  EXPECT_TRUE(testi[0].endsWith(QStringLiteral("Verificare che il disco non sia pieno o protetto da scrittura.")));
  EXPECT_EQ(testi[1], QStringLiteral("Operazione annullata."));
  const QStringList ordini = QDir(destinazione.percorso()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  for (const QString& ordine : ordini)
    EXPECT_FALSE(QFile::exists(destinazione.percorso() + ordine + QStringLiteral("/End.txt")));
}

}  // namespace
