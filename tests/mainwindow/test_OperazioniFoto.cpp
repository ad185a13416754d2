#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QProgressBar>
#include <QTimer>
#include <QToolBar>
#include <limits>

#include "FinestraProva.h"
#include "album/SceltaFormato.h"
#include "album/FileAlbum.h"
#include "windows/PannelloSfumato.h"
#include "windows/AlberoCartelle.h"
#include "mainwindow/CampoNumeroFoto.h"
#include "thumbview/ctrFotoView.h"

namespace {

const QString kNessunaSelezione = QStringLiteral("Nessuna fotografia selezionata.");

// The album as saved on disk.
struct AlbumSalvato {
  explicit AlbumSalvato(const AmbienteFinestra& ambiente) {
    QFile file(ambiente.percorsi().PercorsoVelistraXML);
    if (file.open(QIODevice::ReadOnly)) formati = LeggiAlbum(file.readAll());
  }
  QList<FormatoAlbum> formati;

  QList<VoceAlbum> Voci(const QString& formato) const {
    QList<VoceAlbum> voci;
    for (const FormatoAlbum& f : formati)
      if (f.id == formato) voci += f.voci;
    return voci;
  }
  QStringList Titoli(const QString& formato) const {
    QStringList titoli;
    for (const VoceAlbum& voce : Voci(formato)) titoli.append(voce.titolo);
    return titoli;
  }
};

class OperazioniFoto : public ::testing::Test {
 protected:
  AmbienteFinestra ambiente;
  std::unique_ptr<FinestraProva> finestra;
  QStringList foto;

  void SetUp() override {
    ambiente.ClienteAbituale();
    foto = ScriviFotoProva(ambiente.foto.path(), {"a.jpg", "b.png", "c.tiff", "d.jpg", "e.jpg"});
    finestra = ambiente.NuovaFinestra();
    finestra->Attiva();
    ASSERT_TRUE(finestra->Sfoglia(ambiente.foto.path()));
    ASSERT_EQ(finestra->Controlli().fvFotoCartella->TotFile(), 5);
    ambiente.piattaforma.Azzera();
  }

  void Spunta(ctrFotoView* vista, const QList<int>& indici) {
    vista->CheckaTutto(false);
    for (int i : indici) {
      QCheckBox* casella = vista->CasellaThumb(i);
      ASSERT_TRUE(casella) << i;
      casella->click();
    }
  }
  void Filtra(bool premuto, const QString& formato = {}) {
    if (!formato.isEmpty()) finestra->selettori().Foto().ImpostaFormato(formato);
    QAction* filtro = frmScegliFoto::Pulsante(finestra->Controlli().tbGruppo, "Filtro");
    if (filtro->isChecked() != premuto) filtro->trigger();
    finestra->Attendi();
  }
  // Copies folder photos into a format through the toolbar.
  void Copia(const QList<int>& indici, const QString& formato) {
    Spunta(finestra->Controlli().fvFotoCartella, indici);
    finestra->selettori().Copia().ImpostaFormato(formato);
    finestra->Premi(finestra->Controlli().tbCartella, "CopiaIn");
  }
  int Importo() const { return finestra->ordine().ImportoCorrente(); }
  AlbumSalvato Salvato() const { return AlbumSalvato(ambiente); }
  QStringList FileLavoro() const {
    return FileNellaCartella(ambiente.percorsi().CartellaLavoro);
  }
  QString Didascalia() const { return finestra->Controlli().sepNumFotoFormato->property("Caption").toString(); }
};

TEST_F(OperazioniFoto, CopyingWhileTheFilterShowsAnotherFormatSwitchesTheFilterAfterwards) {
  Filtra(true, "13x9");
  Copia({1}, "13x9");
  ASSERT_EQ(finestra->Controlli().fvFotoFormato->TotFile(), 1);
  int durante = -1;
  ambiente.piattaforma.AlMessaggio([&](const PiattaformaFinta::Messaggio&) {
    if (durante < 0) durante = finestra->Controlli().fvFotoFormato->TotFile();
  });
  Copia({0, 3, 4}, "15x10");
  EXPECT_EQ(finestra->selettori().Foto().formato(), QStringLiteral("15x10"));
  EXPECT_EQ(finestra->findChild<QComboBox*>("cmbFormatiFoto")->currentText(), QStringLiteral("15x10"));
  // Reloaded on 15x10 once the copy ended; nothing was added to the 13x9 view.
  EXPECT_EQ(finestra->Controlli().fvFotoFormato->TotFile(), 3);
  EXPECT_EQ(durante, 3);
  EXPECT_EQ(Didascalia(), QStringLiteral("Fotografie: 3"));
  EXPECT_EQ(Importo(), 19 + 3 * 25);
}

TEST_F(OperazioniFoto, MovingIsToldAndRefusedIntoTheSameFormat) {
  Filtra(true, "13x9");
  Copia({0, 1}, "13x9");
  ambiente.piattaforma.Azzera();
  finestra->selettori().Operazioni().ImpostaFormato("15x10");
  Spunta(finestra->Controlli().fvFotoFormato, {0});
  finestra->Premi(finestra->Controlli().tbOperazioni, "SpostaIn");
  EXPECT_EQ(ambiente.piattaforma.testi(), QStringList{"Spostamento eseguito nel formato 15x10."});
  EXPECT_EQ(Importo(), 19 + 25);
  EXPECT_EQ(finestra->Controlli().fvFotoFormato->TotFile(), 1);

  ambiente.piattaforma.Azzera();
  finestra->selettori().Operazioni().ImpostaFormato("13x9");
  Spunta(finestra->Controlli().fvFotoFormato, {0});
  finestra->Premi(finestra->Controlli().tbOperazioni, "SpostaIn");
  EXPECT_EQ(ambiente.piattaforma.testi(), QStringList{"Selezionare un formato fotografico differente per lo spostamento."});
}

TEST_F(OperazioniFoto, RemovingWithTheFilterReleasedRemovesEntriesOfEveryFormat) {
  Copia({0}, "13x9");
  Copia({1, 2}, "15x10");
  Filtra(false);
  // The filter list is usable only while the filter is pressed.
  EXPECT_FALSE(finestra->findChild<QComboBox*>("cmbFormatiFoto")->isEnabled());
  EXPECT_TRUE(finestra->findChild<QComboBox*>("cmbFormatiCopia")->isEnabled());
  ASSERT_EQ(finestra->Controlli().fvFotoFormato->TotFile(), 3);
  ASSERT_EQ(Importo(), 19 + 50);
  ambiente.piattaforma.Azzera();
  ambiente.piattaforma.Rispondi(RispostaMessaggio::Si);
  // Title order: a.jpg (13x9), b.png, c.tiff (15x10).
  Spunta(finestra->Controlli().fvFotoFormato, {0, 2});
  frmScegliFoto::Pulsante(finestra->Controlli().tbGruppo, "Cancella")->trigger();
  EXPECT_EQ(ambiente.piattaforma.testi(),
            (QStringList{"Rimuovere dal formato le fotografie selezionate?", "Cancellazione eseguita."}));
  EXPECT_EQ(ambiente.piattaforma.messaggi()[0].icona, IconaMessaggio::Domanda);
  const AlbumSalvato album = Salvato();
  EXPECT_TRUE(album.Voci("13x9").isEmpty());
  EXPECT_EQ(album.Titoli("15x10"), QStringList{"b.png"});
  EXPECT_EQ(Importo(), 25);
  EXPECT_EQ(finestra->Controlli().fvFotoFormato->TotFile(), 1);
  EXPECT_EQ(Didascalia(), QStringLiteral("Fotografie: 1"));

  // Without a selection, and answering No, nothing changes.
  ambiente.piattaforma.Azzera();
  ambiente.piattaforma.Rispondi(RispostaMessaggio::No);
  Spunta(finestra->Controlli().fvFotoFormato, {0});
  frmScegliFoto::Pulsante(finestra->Controlli().tbGruppo, "Cancella")->trigger();
  finestra->Controlli().fvFotoFormato->CheckaTutto(false);
  ambiente.piattaforma.Rispondi(RispostaMessaggio::Si);
  frmScegliFoto::Pulsante(finestra->Controlli().tbGruppo, "Cancella")->trigger();
  EXPECT_EQ(ambiente.piattaforma.testi().last(), kNessunaSelezione);
  EXPECT_EQ(Salvato().Titoli("15x10"), QStringList{"b.png"});
}

TEST_F(OperazioniFoto, TheNumberBoxRefusesZeroAndNegativeNumbers) {
  Filtra(true, "15x10");
  Copia({0}, "15x10");
  ambiente.piattaforma.Azzera();
  CampoNumeroFoto* campo = finestra->Controlli().txtNumFoto;
  const auto lascia = [campo] {
    QFocusEvent uscita(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(campo, &uscita);
  };
  for (const char* testo : {"0", "-5"}) {
    campo->setText(QString::fromLatin1(testo));
    lascia();
    EXPECT_EQ(campo->text(), QString::fromLatin1(testo));
  }
  const QString fuoriIntervallo = QStringLiteral("Indicare un numero di fotografie compreso tra 1 e 999.");
  EXPECT_EQ(ambiente.piattaforma.testi(), (QStringList{fuoriIntervallo, fuoriIntervallo}));
  EXPECT_EQ(ambiente.piattaforma.messaggi()[0].icona, IconaMessaggio::Esclamazione);

  campo->clear();
  lascia();
  EXPECT_EQ(campo->text(), QStringLiteral("1"));

  // The button takes only a valid number and otherwise changes nothing.
  ambiente.piattaforma.Azzera();
  Spunta(finestra->Controlli().fvFotoFormato, {0});
  for (const char* testo : {"-5", "", "-"}) {
    campo->setText(QString::fromLatin1(testo));
    frmScegliFoto::Pulsante(finestra->Controlli().tbOperazioni, "NumFoto")->trigger();
  }
  EXPECT_EQ(ambiente.piattaforma.testi(),
            (QStringList{fuoriIntervallo, "Indicare il numero di fotografie.", "Indicare il numero di fotografie."}));
  EXPECT_EQ(Salvato().Voci("15x10")[0].quantita, 1);
  EXPECT_EQ(Importo(), 25);

  campo->setText("999");
  frmScegliFoto::Pulsante(finestra->Controlli().tbOperazioni, "NumFoto")->trigger();
  EXPECT_EQ(Salvato().Voci("15x10")[0].quantita, 999);
  EXPECT_EQ(Importo(), 999 * 25);
}

TEST_F(OperazioniFoto, AnnullaAnsweredNoGoesOnAndYesKeepsWhatWasCopied) {
  Filtra(true, "15x10");
  // "Annulla" is clicked while the loop takes pending events after a photo.
  QAction* annulla = frmScegliFoto::Pulsante(finestra->Controlli().tbCartella, "Annulla");
  int annullaDopo = 1;
  QObject::connect(finestra->Controlli().pbAvanzamento, &QProgressBar::valueChanged, annulla, [&](int valore) {
    if (valore == annullaDopo) annulla->trigger();
  });
  ambiente.piattaforma.Rispondi(RispostaMessaggio::No);
  ambiente.piattaforma.Rispondi(RispostaMessaggio::Si);
  QList<int> copieAllaDomanda;
  ambiente.piattaforma.AlMessaggio([&](const PiattaformaFinta::Messaggio& m) {
    if (m.testo != QLatin1String("Interrompere la copia?")) return;
    copieAllaDomanda.append(finestra->Controlli().fvFotoFormato->TotFile());
    annullaDopo = 2;
  });
  Copia({0, 1, 2, 3, 4}, "15x10");
  EXPECT_EQ(copieAllaDomanda, (QList<int>{1, 2}));
  const QList<PiattaformaFinta::Messaggio>& messaggi = ambiente.piattaforma.messaggi();
  ASSERT_EQ(messaggi.size(), 3);
  EXPECT_EQ(messaggi[0].icona, IconaMessaggio::Nessuna);
  EXPECT_EQ(messaggi[0].pulsanti, PulsantiMessaggio::SiNo);
  EXPECT_EQ(messaggi[0].predefinita, RispostaMessaggio::Si);
  EXPECT_EQ(messaggi[2].testo, QStringLiteral("Copia eseguita nel formato 15x10."));
  EXPECT_EQ(Salvato().Titoli("15x10"), (QStringList{"a.jpg", "b.png"}));
  EXPECT_EQ(Importo(), 50);
}

TEST_F(OperazioniFoto, AnnullaDuringAReloadAsksEachTimeAndYesKeepsWhatIsShown) {
  QAction* annulla = frmScegliFoto::Pulsante(finestra->Controlli().tbCartella, "Annulla");
  QObject::connect(finestra->Controlli().pbAvanzamento, &QProgressBar::valueChanged, annulla, [&](int valore) {
    if (valore == 1 || valore == 2) annulla->trigger();
  });
  ambiente.piattaforma.Rispondi(RispostaMessaggio::No);
  ambiente.piattaforma.Rispondi(RispostaMessaggio::Si);
  QList<int> mostrateAllaDomanda;
  ambiente.piattaforma.AlMessaggio([&](const PiattaformaFinta::Messaggio&) {
    mostrateAllaDomanda.append(finestra->Controlli().fvFotoCartella->TotFile());
    EXPECT_FALSE(frmScegliFoto::Pulsante(finestra->Controlli().tbCartella, "Aggiorna")->isEnabled());
  });
  finestra->Premi(finestra->Controlli().tbCartella, "Aggiorna");
  EXPECT_EQ(ambiente.piattaforma.testi(), (QStringList{"Interrompere il caricamento?", "Interrompere il caricamento?"}));
  EXPECT_EQ(ambiente.piattaforma.messaggi()[0].icona, IconaMessaggio::Nessuna);
  EXPECT_EQ(mostrateAllaDomanda, (QList<int>{1, 2}));
  EXPECT_EQ(finestra->Controlli().fvFotoCartella->TotFile(), 2);
  EXPECT_EQ(finestra->Controlli().sepNumFotoDir->property("Caption").toString(), QStringLiteral("Fotografie: 2"));
  EXPECT_EQ(ambiente.piattaforma.puntatoriOccupati(), 0);
  EXPECT_TRUE(frmScegliFoto::Pulsante(finestra->Controlli().tbCartella, "Aggiorna")->isEnabled());
}

TEST_F(OperazioniFoto, ACopyThatCannotBeMadeStopsTheCopyAndKeepsTheOthers) {
  Filtra(true, "15x10");
  Spunta(finestra->Controlli().fvFotoCartella, {0, 1, 2});
  ASSERT_TRUE(QFile::remove(foto[1]));
  finestra->selettori().Copia().ImpostaFormato("15x10");
  finestra->Premi(finestra->Controlli().tbCartella, "CopiaIn");
  const QStringList testi = ambiente.piattaforma.testi();
  ASSERT_EQ(testi.size(), 1);  // no success after a failure
  EXPECT_TRUE(testi[0].startsWith(QStringLiteral("Impossibile copiare la fotografia \"") + foto[1]));
  EXPECT_EQ(ambiente.piattaforma.messaggi()[0].icona, IconaMessaggio::Critica);
  // What the album kept is the order's; the view shows it.
  EXPECT_EQ(finestra->Controlli().fvFotoFormato->TotFile(), 1);
  EXPECT_EQ(Didascalia(), QStringLiteral("Fotografie: 1"));

  // The counter at its limit: the copy stops with its own message only.
  ambiente.piattaforma.Azzera();
  finestra->ordine().album().ImpostaContatoreFoto(std::numeric_limits<std::int32_t>::max());
  Copia({3}, "15x10");
  ASSERT_EQ(ambiente.piattaforma.messaggi().size(), 1);
  EXPECT_EQ(ambiente.piattaforma.messaggi()[0].testo,
            QStringLiteral("Il contatore delle fotografie ha raggiunto il valore massimo.\n"
                           "Creare un nuovo Velistra per poter aggiungere altre fotografie."));
  EXPECT_EQ(ambiente.piattaforma.messaggi()[0].icona, IconaMessaggio::Esclamazione);
  EXPECT_EQ(Salvato().Titoli("15x10"), QStringList{"a.jpg"});
}

// A format of a price list downloaded after the album was loaded: the album
// gains its place, so the copy is made and told as done.
TEST_F(OperazioniFoto, ACopyIntoAFormatThePriceListBroughtIsMadeAndTold) {
  QStringList senza = finestra->ordine().catalogo().TuttiGliIdFormati();
  ASSERT_TRUE(senza.removeOne(QStringLiteral("20x15")));
  finestra->ordine().album().EliminaCartellaERicreaXML(senza);
  Copia({2}, "20x15");
  EXPECT_EQ(ambiente.piattaforma.testi(), QStringList{"Copia eseguita nel formato 20x15."});
  EXPECT_EQ(Salvato().Titoli("20x15"), QStringList{"c.tiff"});
  EXPECT_EQ(Importo(), 99);
}

// An empty copy list, and an entry gone from the album.
TEST_F(OperazioniFoto, ACopyOrMoveThatCannotHappenIsToldAndNeverReportedAsDone) {
  Filtra(true, "13x9");
  Copia({0, 1}, "13x9");
  finestra->selettori().Copia().Svuota();
  ambiente.piattaforma.Azzera();
  Spunta(finestra->Controlli().fvFotoCartella, {2});
  finestra->Premi(finestra->Controlli().tbCartella, "CopiaIn");
  EXPECT_EQ(ambiente.piattaforma.testi(), QStringList{"Nessun formato selezionato per la copia."});
  EXPECT_EQ(ambiente.piattaforma.messaggi()[0].icona, IconaMessaggio::Esclamazione);

  // An entry gone from the album stops the loop, and nothing then says it was done.
  finestra->selettori().Operazioni().ImpostaFormato("15x10");
  ASSERT_TRUE(finestra->ordine().album().RimuoviFileVelistra("13x9", finestra->ordine().album().Voci("13x9").value(0).copia));
  for (const char* comando : {"CopiaIn", "SpostaIn"}) {
    ambiente.piattaforma.Azzera();
    Spunta(finestra->Controlli().fvFotoFormato, {0});
    finestra->Premi(finestra->Controlli().tbOperazioni, comando);
    EXPECT_EQ(ambiente.piattaforma.testi(), QStringList{"Fotografia non trovata."}) << comando;
  }
}

TEST_F(OperazioniFoto, CopyBetweenFormatsNeedsTheFilterAndAsksWhenTheFormatIsTheSame) {
  Copia({0, 1}, "15x10");
  ambiente.piattaforma.Azzera();
  finestra->CopiaTraFormati();
  EXPECT_EQ(ambiente.piattaforma.testi(),
            QStringList{"Per eseguire una copia tra formati fotografici differenti, attivare il filtro sul formato "
                        "fotografico."});
  Filtra(true, "15x10");
  finestra->selettori().Operazioni().ImpostaFormato("15x10");
  ambiente.piattaforma.Azzera();
  Spunta(finestra->Controlli().fvFotoFormato, {1});
  finestra->Premi(finestra->Controlli().tbOperazioni, "CopiaIn");  // default No
  ASSERT_EQ(ambiente.piattaforma.messaggi().size(), 1);
  EXPECT_EQ(ambiente.piattaforma.messaggi()[0].predefinita, RispostaMessaggio::No);
  EXPECT_EQ(finestra->Controlli().fvFotoFormato->TotFile(), 2);

  ambiente.piattaforma.Rispondi(RispostaMessaggio::Si);
  Spunta(finestra->Controlli().fvFotoFormato, {1});
  finestra->Premi(finestra->Controlli().tbOperazioni, "CopiaIn");
  EXPECT_EQ(finestra->Controlli().fvFotoFormato->TotFile(), 3);
  EXPECT_EQ(Salvato().Titoli("15x10"), (QStringList{"a.jpg", "b.png", "b.png"}));
}

TEST_F(OperazioniFoto, ResizeModeAndNewAlbum) {
  Filtra(true, "15x10");
  Copia({0, 1}, "15x10");
  Spunta(finestra->Controlli().fvFotoFormato, {1});
  finestra->Controlli().cmbRidimensiona->setCurrentIndex(2);
  frmScegliFoto::Pulsante(finestra->Controlli().tbOperazioni, "Ridimensiona")->trigger();
  EXPECT_EQ(Salvato().Voci("15x10")[1].ridimensionamento, QStringLiteral("NONE"));
  EXPECT_EQ(finestra->Controlli().fvFotoFormato->Thumbs()[1].Ridimensionamento, QStringLiteral("Nessuno"));
  EXPECT_EQ(Importo(), 50);

  ambiente.piattaforma.Azzera();
  finestra->ordine().ImpostaFTPInCorso(1);
  frmScegliFoto::Pulsante(finestra->Controlli().tbGruppo, "Nuovo")->trigger();
  EXPECT_EQ(ambiente.piattaforma.messaggi()[0].icona, IconaMessaggio::Esclamazione);
  EXPECT_EQ(Salvato().Voci("15x10").size(), 2);
  finestra->ordine().ImpostaFTPInCorso(0);
  ambiente.piattaforma.Rispondi(RispostaMessaggio::Si);
  frmScegliFoto::Pulsante(finestra->Controlli().tbGruppo, "Nuovo")->trigger();
  EXPECT_EQ(ambiente.piattaforma.testi().last(), QStringLiteral("Rimuovere tutte le fotografie e creare un nuovo Velistra?"));
  EXPECT_TRUE(Salvato().Voci("15x10").isEmpty());
  EXPECT_EQ(finestra->Controlli().fvFotoFormato->TotFile(), 0);
  EXPECT_EQ(finestra->Controlli().pannelloCosto->testo(), QStringLiteral("€ 0,00"));
  EXPECT_EQ(Didascalia(), QStringLiteral("Fotografie: 0"));
}

TEST_F(OperazioniFoto, OneOrderFromTheFolderToTheAlbum) {
  // Browse: the folder tree reloads the folder view once the window is active.
  QTemporaryDir altra;
  ScriviFotoProva(altra.path(), {"IMG_0001.JPG", "IMG_0002.JPG", "IMG_0003.png", "IMG_0004.JPG"});
  ASSERT_TRUE(finestra->Sfoglia(altra.path()));
  ASSERT_EQ(finestra->Controlli().fvFotoCartella->TotFile(), 4);
  EXPECT_EQ(finestra->Controlli().sepNumFotoDir->property("Caption").toString(), QStringLiteral("Fotografie: 4"));
  Filtra(true, "15x10");
  int aggiunteDuranteCiclo = 0;
  ambiente.piattaforma.AlMessaggio([&](const PiattaformaFinta::Messaggio&) {
    aggiunteDuranteCiclo = finestra->Controlli().fvFotoFormato->TotFile();
  });
  Copia({0, 1, 3}, "15x10");
  EXPECT_EQ(aggiunteDuranteCiclo, 3);
  EXPECT_EQ(ambiente.piattaforma.messaggi()[0].icona, IconaMessaggio::Informazione);
  EXPECT_TRUE(frmScegliFoto::Pulsante(finestra->Controlli().tbCartella, "Aggiorna")->isEnabled());
  EXPECT_TRUE(finestra->findChild<QComboBox*>("cmbFormatiFoto")->isEnabled());
  EXPECT_EQ(ambiente.piattaforma.puntatoriOccupati(), 0);
  EXPECT_GE(ambiente.piattaforma.puntatoriMassimi(), 1);
  Spunta(finestra->Controlli().fvFotoFormato, {0, 1, 2});
  finestra->Controlli().txtNumFoto->setText("3");
  frmScegliFoto::Pulsante(finestra->Controlli().tbOperazioni, "NumFoto")->trigger();

  EXPECT_EQ(ambiente.piattaforma.testi(), QStringList{"Copia eseguita nel formato 15x10."});
  const AlbumSalvato album = Salvato();
  EXPECT_EQ(album.Titoli("15x10"), (QStringList{"IMG_0001.JPG", "IMG_0002.JPG", "IMG_0004.JPG"}));
  for (const VoceAlbum& voce : album.Voci("15x10")) EXPECT_EQ(voce.quantita, 3);
  EXPECT_EQ(album.formati.size(), 12);
  EXPECT_EQ(FileLavoro(), (QStringList{"imgVE_000001.JPG", "imgVE_000002.JPG", "imgVE_000003.JPG"}));
  EXPECT_EQ(Didascalia(), QStringLiteral("Fotografie: 3"));
  EXPECT_EQ(finestra->Controlli().pannelloConteggio->testo(), QStringLiteral("Foto: 3/3"));
  EXPECT_EQ(finestra->Controlli().pannelloCosto->testo(), QStringLiteral("€ 2,25"));

  // The next run finds the same album and amount.
  finestra->close();
  finestra.reset();
  finestra = ambiente.NuovaFinestra();
  finestra->Attiva();
  EXPECT_EQ(finestra->Controlli().fvFotoFormato->TotFile(), 3);
  EXPECT_EQ(finestra->Controlli().pannelloCosto->testo(), QStringLiteral("€ 2,25"));
  EXPECT_EQ(ambiente.Opzione("ContatoreFoto"), QStringLiteral("3"));
}

}  // namespace
