#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "FinestraProva.h"
#include "windows/PannelloSfumato.h"
#include "mainwindow/CampoNumeroFoto.h"
#include "ordine/CartellaOrdine.h"
#include "support/SenzaPermessiRoot.h"
#include "thumbview/ctrFotoView.h"

namespace {

const QString kAnnullata = QStringLiteral("Operazione annullata.");

// The files an order folder holds for the work-folder copies, in name order.
QStringList FileOrdine(const QStringList& copie) {
  QStringList file = QStringList(copie) << "Condition.txt" << "DatiUtente.jpg" << "End.txt";
  file.sort();
  return file;
}

// An album of three photos of "15x10", the second with three prints, and a
// customer with name and address.
class CartellaPerLaboratorio : public ::testing::Test {
 protected:
  AmbienteFinestra ambiente;
  std::unique_ptr<FinestraProva> finestra;
  QTemporaryDir destinazione;

  void SetUp() override {
    ambiente.impostazioni().ScriviDatiUtente({"Rossi", "Anna", "Pisa", "Via Roma 1"});
    ScriviFotoDaStampa(ambiente.foto.path(), {"a.jpg", "b.png", "c.tiff"});
    finestra = ambiente.FinestraSulleFoto();
    finestra->CopiaNelFormato("15x10");
    finestra->Controlli().fvFotoFormato->Spunte().CheckaTutto(false);
    finestra->Controlli().fvFotoFormato->Spunte().CasellaThumb(1)->click();
    finestra->Controlli().txtNumFoto->setText("3");
    Pulsante("NumFoto")->trigger();
    ambiente.piattaforma.Azzera();
  }

  QAction* Pulsante(const QString& chiave) const { return frmScegliFoto::Pulsante(finestra->Controlli().tbOperazioni, chiave); }

  // Clicks "C8" with the target directory chosen in the folder chooser.
  void CreaCartella() {
    ambiente.piattaforma.ScegliCartella(destinazione.path());
    finestra->Premi(finestra->Controlli().tbOperazioni, "C8");
  }
  QStringList CartelleOrdine() const {
    return QDir(destinazione.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
  }
  QString Cartella(const QString& nome) const { return destinazione.path() + u'/' + nome + u'/'; }
  QStringList CopieLavoro() const { return FileNellaCartella(ambiente.percorsi().CartellaLavoro); }
  // Clicks "C8" and returns the order folder's path as named in the first message:
  // the name holds the minute, which may turn while the button works.
  QString CreaCartellaNominata() {
    const QString prima = Cartella(NomeCartellaOrdine(QDateTime::currentDateTime()));
    CreaCartella();
    const QString dopo = Cartella(NomeCartellaOrdine(QDateTime::currentDateTime()));
    const auto& messaggi = ambiente.piattaforma.messaggi();
    return !messaggi.isEmpty() && messaggi[0].testo.contains(dopo) ? dopo : prima;
  }
};

TEST_F(CartellaPerLaboratorio, TheButtonWritesTheCopiesTheCustomerSheetTheOrderAndTheEndMarker) {
  const QString prima = NomeCartellaOrdine(QDateTime::currentDateTime());
  QList<bool> c8Attivo;
  ambiente.piattaforma.AlMessaggio([&](const auto&) { c8Attivo.append(Pulsante("C8")->isEnabled()); });
  CreaCartella();
  const QString dopo = NomeCartellaOrdine(QDateTime::currentDateTime());

  EXPECT_EQ(ambiente.piattaforma.titoliCartella(),
            QStringList{"Selezionare la directory dove inserire le fotografie ed i relativi formati e quantità:"});
  const QStringList cartelle = CartelleOrdine();
  ASSERT_EQ(cartelle.size(), 1);
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^VE\\d{10}$")).match(cartelle[0]).hasMatch());
  EXPECT_TRUE(cartelle[0] == prima || cartelle[0] == dopo) << cartelle[0].toStdString();
  const QString cartella = Cartella(cartelle[0]);
  ASSERT_EQ(ambiente.piattaforma.testi(),
            QStringList{"Creazione della cartella:\r\n'" + cartella +
                        "' \r\nterminata con successo.\r\n(il nome della cartella contiene la data e l'ora di "
                        "creazione indicate nel seguente formato:\r\nanno-mese-giorno-ore-minuti)"});
  EXPECT_EQ(ambiente.piattaforma.messaggi()[0].icona, IconaMessaggio::Informazione);
  EXPECT_EQ(c8Attivo, QList<bool>{false});
  EXPECT_TRUE(Pulsante("C8")->isEnabled());
  EXPECT_EQ(finestra->Controlli().pannelloConteggio->testo(), QStringLiteral("Foto: 3/3"));

  const QStringList copie = CopieLavoro();
  ASSERT_EQ(copie, (QStringList{"imgVE_000001.jpg", "imgVE_000002.png", "imgVE_000003.tiff"}));
  EXPECT_EQ(FileNellaCartella(cartella), FileOrdine(copie));
  EXPECT_TRUE(LeggiFile(cartella + QStringLiteral("Condition.txt"))
                  .contains("[imgVE_000002.png]\r\nSizeName=15x10\r\nPrintCnt=3\r\n"));
  // The customer sheet's lines: name, then city and street.
  EXPECT_EQ(finestra->getDatiUtente(), QStringLiteral("Rossi Anna\r\nPisa\r\nVia Roma 1"));
}

TEST_F(CartellaPerLaboratorio, NoDirectoryOrNoPhotoStopsBeforeAnyCopy) {
  finestra->Premi(finestra->Controlli().tbOperazioni, "C8");  // the chooser is cancelled
  ASSERT_EQ(ambiente.piattaforma.testi(), QStringList{"Nessuna cartella indicata."});
  EXPECT_EQ(ambiente.piattaforma.messaggi()[0].icona, IconaMessaggio::Esclamazione);
  EXPECT_TRUE(CartelleOrdine().isEmpty());

  finestra->CreaNuovoVelistra();
  ambiente.piattaforma.Azzera();
  CreaCartella();
  EXPECT_EQ(ambiente.piattaforma.testi(), QStringList{"Nessuna fotografia inserita nel Velistra."});
  ASSERT_EQ(CartelleOrdine().size(), 1);
  EXPECT_TRUE(FileNellaCartella(Cartella(CartelleOrdine()[0])).isEmpty());
}

TEST_F(CartellaPerLaboratorio, TheSameMinuteTwiceAsksBeforeReplacingTheEarlierFolder) {
  // Both minutes the runs can fall in hold an earlier, complete order.
  const QDateTime ora = QDateTime::currentDateTime();
  const QStringList minuti{NomeCartellaOrdine(ora), NomeCartellaOrdine(ora.addSecs(60))};
  for (const QString& minuto : minuti) {
    ASSERT_TRUE(QDir().mkdir(Cartella(minuto)));
    ASSERT_TRUE(ScriviFile(Cartella(minuto) + QStringLiteral("vecchia.jpg"), "vecchia"));
    ASSERT_TRUE(ScriviFile(Cartella(minuto) + QStringLiteral("End.txt"), "vecchio"));
  }
  const QString domanda = QStringLiteral("La directory '") + destinazione.path() +
                          QStringLiteral("/' contiene già la directory 'Velistra'.\r\nPer continuare con l'operazione "
                                         "è necessario eliminarla.\r\nProcedere con l'eliminazione della directory?");
  ambiente.piattaforma.Rispondi(RispostaMessaggio::No);
  CreaCartella();
  EXPECT_EQ(ambiente.piattaforma.testi(), (QStringList{domanda, kAnnullata}));
  const PiattaformaFinta::Messaggio& primo = ambiente.piattaforma.messaggi()[0];
  EXPECT_EQ(primo.icona, IconaMessaggio::Domanda);
  EXPECT_EQ(primo.pulsanti, PulsantiMessaggio::SiNo);
  for (const QString& minuto : minuti) EXPECT_EQ(FileNellaCartella(Cartella(minuto)), (QStringList{"End.txt", "vecchia.jpg"}));

  ambiente.piattaforma.Azzera();
  ambiente.piattaforma.Rispondi(RispostaMessaggio::Si);
  CreaCartella();
  ASSERT_EQ(ambiente.piattaforma.testi().size(), 2);
  EXPECT_EQ(ambiente.piattaforma.testi()[0], domanda);
  EXPECT_TRUE(ambiente.piattaforma.testi()[1].startsWith(QStringLiteral("Creazione della cartella:")));
  int rifatte = 0;
  for (const QString& minuto : minuti) {
    if (FileNellaCartella(Cartella(minuto)).contains(QStringLiteral("vecchia.jpg"))) continue;
    ++rifatte;
    EXPECT_EQ(FileNellaCartella(Cartella(minuto)), FileOrdine(CopieLavoro()));
    EXPECT_EQ(QFileInfo(Cartella(minuto) + QStringLiteral("End.txt")).size(), 0);
  }
  EXPECT_EQ(rifatte, 1);
}

TEST_F(CartellaPerLaboratorio, AnnullaAnsweredNoGoesOnAndYesLeavesNoFolder) {
  // "Annulla" is clicked while the loop takes pending events after a photo.
  QAction* annulla = frmScegliFoto::Pulsante(finestra->Controlli().tbGruppo, "Annulla");
  int annullaDopo = 1;
  QObject::connect(finestra->Controlli().pbAvanzamento, &QProgressBar::valueChanged, annulla, [&](int valore) {
    if (valore == annullaDopo) annulla->trigger();
  });
  QList<int> copieAllaDomanda;
  ambiente.piattaforma.AlMessaggio([&](const PiattaformaFinta::Messaggio& m) {
    if (!m.testo.startsWith(QStringLiteral("Interrompere"))) return;
    const QStringList cartelle = CartelleOrdine();
    copieAllaDomanda.append(cartelle.isEmpty() ? -1 : static_cast<int>(FileNellaCartella(Cartella(cartelle[0])).size()));
    annullaDopo = 2;
  });
  ambiente.piattaforma.Rispondi(RispostaMessaggio::No);
  ambiente.piattaforma.Rispondi(RispostaMessaggio::Si);
  const QString cartella = CreaCartellaNominata();
  EXPECT_EQ(copieAllaDomanda, (QList<int>{1, 2}));
  const QList<PiattaformaFinta::Messaggio>& messaggi = ambiente.piattaforma.messaggi();
  ASSERT_EQ(messaggi.size(), 3);
  EXPECT_EQ(messaggi[0].testo, "Interrompere la creazione della cartella \r\n'" + cartella + "'?");
  EXPECT_EQ(messaggi[0].icona, IconaMessaggio::Domanda);
  EXPECT_EQ(messaggi[0].pulsanti, PulsantiMessaggio::SiNo);
  EXPECT_EQ(messaggi[0].predefinita, RispostaMessaggio::No);
  EXPECT_EQ(messaggi[2].testo, kAnnullata);
  EXPECT_TRUE(CartelleOrdine().isEmpty());
  EXPECT_TRUE(Pulsante("C8")->isEnabled());
}

TEST_F(CartellaPerLaboratorio, AReadOnlyDirectoryIsToldAndGetsNothing) {
  QString cartella;
  {
    const CartellaSoloLettura soloLettura(destinazione.path());
    cartella = CreaCartellaNominata();
  }
  ASSERT_EQ(ambiente.piattaforma.testi(),
            (QStringList{"Impossibile creare la cartella\r\n'" + cartella +
                             "'.\r\nVerificare che la directory scelta esista e che sia possibile scriverci.",
                         kAnnullata}));
  EXPECT_EQ(ambiente.piattaforma.messaggi()[0].icona, IconaMessaggio::Critica);
  EXPECT_TRUE(CartelleOrdine().isEmpty());
}

}  // namespace
