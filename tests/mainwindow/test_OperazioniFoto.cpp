#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFocusEvent>
#include <QProgressBar>

#include "FinestraProva.h"
#include "album/SceltaFormato.h"
#include "album/VoceAlbum.h"
#include "windows/PannelloSfumato.h"
#include "mainwindow/CampoNumeroFoto.h"
#include "thumbview/ctrFotoView.h"

namespace {

const QString kNessunaSelezione = QStringLiteral("Nessuna fotografia selezionata.");

class OperazioniFoto : public ::testing::Test {
 protected:
  AmbienteFinestra ambiente;
  std::unique_ptr<FinestraProva> finestra;
  QStringList foto;

  void SetUp() override {
    foto = ScriviFotoProva(ambiente.foto.path(), {"a.jpg", "b.png", "c.tiff", "d.jpg", "e.jpg"});
    finestra = ambiente.FinestraSulleFoto();
    ASSERT_EQ(finestra->Controlli().fvFotoCartella->TotFile(), 5);
    ambiente.piattaforma.Azzera();
  }

  void Spunta(ctrFotoView* vista, const QList<int>& indici) {
    vista->Spunte().CheckaTutto(false);
    for (int i : indici) {
      QCheckBox* casella = vista->Spunte().CasellaThumb(i);
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
  QStringList Titoli(const QString& formato) const {
    QStringList titoli;
    for (const VoceAlbum& voce : finestra->ordine().album().Voci(formato)) titoli.append(voce.titolo);
    return titoli;
  }
  QString Didascalia() const { return finestra->Controlli().sepNumFotoFormato->property("Caption").toString(); }
};

TEST_F(OperazioniFoto, CopyingWhileTheFilterShowsAnotherFormatSwitchesTheFilterAfterwards) {
  Filtra(true, "13x9");
  finestra->CopiaNelFormato("13x9", {1});
  ASSERT_EQ(finestra->Controlli().fvFotoFormato->TotFile(), 1);
  int durante = -1;
  ambiente.piattaforma.AlMessaggio([&](const PiattaformaFinta::Messaggio&) {
    if (durante < 0) durante = finestra->Controlli().fvFotoFormato->TotFile();
  });
  finestra->CopiaNelFormato("15x10", {0, 3, 4});
  EXPECT_EQ(finestra->selettori().Foto().formato(), QStringLiteral("15x10"));
  EXPECT_EQ(finestra->findChild<QComboBox*>("cmbFormatiFoto")->currentText(), QStringLiteral("15x10"));
  // Reloaded on 15x10 once the copy ended; nothing was added to the 13x9 view.
  EXPECT_EQ(finestra->Controlli().fvFotoFormato->TotFile(), 3);
  EXPECT_EQ(durante, 3);
  EXPECT_EQ(Didascalia(), QStringLiteral("Fotografie: 3"));
}

TEST_F(OperazioniFoto, MovingIsToldAndRefusedIntoTheSameFormat) {
  Filtra(true, "13x9");
  finestra->CopiaNelFormato("13x9", {0, 1});
  // The photo moved leaves the 13x9 view; the refused move leaves it as it is.
  for (const auto& [formato, testo] :
       {std::pair{"15x10", "Spostamento eseguito nel formato 15x10."},
        {"13x9", "Selezionare un formato fotografico differente per lo spostamento."}}) {
    ambiente.piattaforma.Azzera();
    finestra->selettori().Operazioni().ImpostaFormato(formato);
    Spunta(finestra->Controlli().fvFotoFormato, {0});
    finestra->Premi(finestra->Controlli().tbOperazioni, "SpostaIn");
    EXPECT_EQ(ambiente.piattaforma.testi(), QStringList{testo});
    EXPECT_EQ(finestra->Controlli().fvFotoFormato->TotFile(), 1) << formato;
  }
}

TEST_F(OperazioniFoto, RemovingWithTheFilterReleasedRemovesEntriesOfEveryFormat) {
  finestra->CopiaNelFormato("13x9", {0});
  finestra->CopiaNelFormato("15x10", {1, 2});
  Filtra(false);
  ASSERT_EQ(finestra->Controlli().fvFotoFormato->TotFile(), 3);
  ambiente.piattaforma.Azzera();
  ambiente.piattaforma.Rispondi(RispostaMessaggio::Si);
  // Title order: a.jpg (13x9), b.png, c.tiff (15x10).
  Spunta(finestra->Controlli().fvFotoFormato, {0, 2});
  frmScegliFoto::Pulsante(finestra->Controlli().tbGruppo, "Cancella")->trigger();
  EXPECT_EQ(ambiente.piattaforma.testi(),
            (QStringList{"Rimuovere dal formato le fotografie selezionate?", "Cancellazione eseguita."}));
  EXPECT_EQ(ambiente.piattaforma.messaggi()[0].icona, IconaMessaggio::Domanda);
  EXPECT_EQ(finestra->Controlli().fvFotoFormato->TotFile(), 1);
  EXPECT_EQ(Didascalia(), QStringLiteral("Fotografie: 1"));

  // Without a selection, and answering No, nothing changes.
  ambiente.piattaforma.Azzera();
  ambiente.piattaforma.Rispondi(RispostaMessaggio::No);
  Spunta(finestra->Controlli().fvFotoFormato, {0});
  frmScegliFoto::Pulsante(finestra->Controlli().tbGruppo, "Cancella")->trigger();
  finestra->Controlli().fvFotoFormato->Spunte().CheckaTutto(false);
  ambiente.piattaforma.Rispondi(RispostaMessaggio::Si);
  frmScegliFoto::Pulsante(finestra->Controlli().tbGruppo, "Cancella")->trigger();
  EXPECT_EQ(ambiente.piattaforma.testi().last(), kNessunaSelezione);
  EXPECT_EQ(finestra->ordine().NumeroVoci({}), 1);
}

TEST_F(OperazioniFoto, TheNumberBoxRefusesZeroAndNegativeNumbers) {
  Filtra(true, "15x10");
  finestra->CopiaNelFormato("15x10", {0});
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
  EXPECT_EQ(finestra->ordine().album().Voci("15x10")[0].quantita, 1);

  campo->setText("999");
  frmScegliFoto::Pulsante(finestra->Controlli().tbOperazioni, "NumFoto")->trigger();
  EXPECT_EQ(finestra->ordine().album().Voci("15x10")[0].quantita, 999);
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
  finestra->CopiaNelFormato("15x10", {0, 1, 2, 3, 4});
  EXPECT_EQ(copieAllaDomanda, (QList<int>{1, 2}));
  const QList<PiattaformaFinta::Messaggio>& messaggi = ambiente.piattaforma.messaggi();
  ASSERT_EQ(messaggi.size(), 3);
  EXPECT_EQ(messaggi[0].icona, IconaMessaggio::Nessuna);
  EXPECT_EQ(messaggi[0].pulsanti, PulsantiMessaggio::SiNo);
  EXPECT_EQ(messaggi[0].predefinita, RispostaMessaggio::Si);
  EXPECT_EQ(messaggi[2].testo, QStringLiteral("Copia eseguita nel formato 15x10."));
  EXPECT_EQ(Titoli("15x10"), (QStringList{"a.jpg", "b.png"}));
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
  // What the album kept is the order's; the view shows it.
  EXPECT_EQ(finestra->Controlli().fvFotoFormato->TotFile(), 1);
  EXPECT_EQ(Didascalia(), QStringLiteral("Fotografie: 1"));
}

// An empty copy list, and an entry gone from the album.
TEST_F(OperazioniFoto, ACopyOrMoveThatCannotHappenIsToldAndNeverReportedAsDone) {
  Filtra(true, "13x9");
  finestra->CopiaNelFormato("13x9", {0, 1});
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
    EXPECT_EQ(ambiente.piattaforma.testi().size(), 1) << comando;
  }
}

TEST_F(OperazioniFoto, CopyBetweenFormatsNeedsTheFilterAndAsksWhenTheFormatIsTheSame) {
  finestra->CopiaNelFormato("15x10", {0, 1});
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
}

TEST_F(OperazioniFoto, ResizeModeAndNewAlbum) {
  Filtra(true, "15x10");
  finestra->CopiaNelFormato("15x10", {0, 1});
  Spunta(finestra->Controlli().fvFotoFormato, {1});
  finestra->Controlli().cmbRidimensiona->setCurrentIndex(2);
  frmScegliFoto::Pulsante(finestra->Controlli().tbOperazioni, "Ridimensiona")->trigger();
  EXPECT_EQ(finestra->ordine().album().Voci("15x10")[1].ridimensionamento, QStringLiteral("NONE"));
  EXPECT_EQ(finestra->Controlli().fvFotoFormato->Thumbs()[1].Ridimensionamento, QStringLiteral("Nessuno"));

  ambiente.piattaforma.Azzera();
  finestra->ordine().ImpostaFTPInCorso(1);
  frmScegliFoto::Pulsante(finestra->Controlli().tbGruppo, "Nuovo")->trigger();
  EXPECT_EQ(ambiente.piattaforma.messaggi()[0].icona, IconaMessaggio::Esclamazione);
  EXPECT_EQ(finestra->ordine().NumeroVoci({}), 2);
  finestra->ordine().ImpostaFTPInCorso(0);
  ambiente.piattaforma.Rispondi(RispostaMessaggio::Si);
  frmScegliFoto::Pulsante(finestra->Controlli().tbGruppo, "Nuovo")->trigger();
  EXPECT_EQ(ambiente.piattaforma.testi().last(), QStringLiteral("Rimuovere tutte le fotografie e creare un nuovo Velistra?"));
  EXPECT_EQ(finestra->Controlli().fvFotoFormato->TotFile(), 0);
  EXPECT_EQ(finestra->Controlli().pannelloCosto->testo(), QStringLiteral("€ 0,00"));
  EXPECT_EQ(Didascalia(), QStringLiteral("Fotografie: 0"));
}

// The window's part of an order: the commands given back after the copy, the
// panels after the prints, and the same album and amount at the next run.
TEST_F(OperazioniFoto, AnOrderLeavesTheCommandsAndPanelsRightAndOutlivesARestart) {
  Filtra(true, "15x10");
  finestra->CopiaNelFormato("15x10", {0, 1, 3});
  EXPECT_EQ(ambiente.piattaforma.messaggi()[0].icona, IconaMessaggio::Informazione);
  EXPECT_TRUE(frmScegliFoto::Pulsante(finestra->Controlli().tbCartella, "Aggiorna")->isEnabled());
  EXPECT_TRUE(finestra->findChild<QComboBox*>("cmbFormatiFoto")->isEnabled());
  Spunta(finestra->Controlli().fvFotoFormato, {0, 1, 2});
  finestra->Controlli().txtNumFoto->setText("3");
  frmScegliFoto::Pulsante(finestra->Controlli().tbOperazioni, "NumFoto")->trigger();

  EXPECT_EQ(ambiente.piattaforma.testi(), QStringList{"Copia eseguita nel formato 15x10."});
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
