#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "settings/Impostazioni.h"
#include "support/CartellaProgrammaProva.h"
#include "support/PiattaformaFinta.h"
#include "windows/frmDatiUtente.h"

namespace {

const QString kIni = QStringLiteral("Velistra.ini");
const char* const kCampi[] = {"txtCognome", "txtNome", "txtCitta", "txtVia"};

struct Finestra {
  Finestra() { finestra.show(); }
  QLineEdit* Campo(const char* nome) { return finestra.findChild<QLineEdit*>(QString::fromLatin1(nome)); }
  // Surname, name, city and street.
  void Compila(const QStringList& valori) {
    for (int i = 0; i < 4; ++i) Campo(kCampi[i])->setText(valori[i]);
  }
  void Salva() { finestra.findChild<QPushButton*>(QStringLiteral("cmdSalva"))->click(); }

  CartellaProgrammaProva programma;
  PiattaformaFinta finta;
  frmDatiUtente finestra{programma.percorsi()};
};

TEST(frmDatiUtente, FieldsAreCheckedInOrderAndARefusalWritesNothing) {
  struct Caso {
    QStringList campi;
    QString messaggio;
    const char* campoVuoto;
  };
  const QList<Caso> casi = {
      {{"   ", " Mario ", "Roma", "Via Po 1"}, QStringLiteral("Inserire il cognome"), "txtCognome"},
      {{"Rossi", "", "", ""}, QStringLiteral("Inserire il nome"), "txtNome"},
      {{"Rossi", "Mario", "", "Via Po"}, QStringLiteral("Inserire la città"), "txtCitta"},
      {{"Rossi", "Mario", "Roma", " "}, QStringLiteral("Inserire la via"), "txtVia"},
  };
  for (const Caso& caso : casi) {
    Finestra f;
    const QByteArray prima = f.programma.Leggi(kIni);
    f.Compila(caso.campi);
    f.Salva();
    EXPECT_EQ(f.finta.testi(), QStringList{caso.messaggio});
    EXPECT_EQ(f.finta.messaggi()[0].icona, IconaMessaggio::Esclamazione);
    EXPECT_EQ(f.finestra.focusWidget(), f.Campo(caso.campoVuoto)) << caso.campoVuoto;
    EXPECT_EQ(f.Campo(caso.campoVuoto)->text(), QString());  // spaces alone are emptied
    // Not even the fields already filled are written.
    EXPECT_EQ(f.programma.Leggi(kIni), prima) << caso.campoVuoto;
  }
}

TEST(frmDatiUtente, SavingWritesTheTrimmedDataAndTheFlagAndTheWindowStaysOpen) {
  Finestra f;
  f.Compila({"  Rossi", "Mario  ", "Città di Castello", "Via Po 1"});
  f.Salva();
  EXPECT_TRUE(f.finta.messaggi().isEmpty());
  EXPECT_TRUE(f.finestra.isVisible());
  EXPECT_EQ(f.Campo("txtCognome")->text(), QStringLiteral("Rossi"));
  const Impostazioni impostazioni(f.programma.percorsi());
  const auto campi = [&impostazioni] {
    const DatiUtente dati = impostazioni.LeggiDatiUtente();
    return QStringList{dati.Cognome, dati.Nome, dati.Citta, dati.Via};
  };
  EXPECT_EQ(campi(), (QStringList{"Rossi", "Mario", "Città di Castello", "Via Po 1"}));
  EXPECT_TRUE(impostazioni.DatiUtenteOk());

  f.Campo("txtVia")->setText(QStringLiteral("Corso Italia 2"));
  f.Salva();
  EXPECT_EQ(campi(), (QStringList{"Rossi", "Mario", "Città di Castello", "Corso Italia 2"}));

  // A new window shows what was saved; closing it writes nothing.
  frmDatiUtente seconda(f.programma.percorsi());
  seconda.show();
  auto* cognome = seconda.findChild<QLineEdit*>(QStringLiteral("txtCognome"));
  EXPECT_EQ(cognome->text(), QStringLiteral("Rossi"));
  const QByteArray salvato = f.programma.Leggi(kIni);
  cognome->setText(QStringLiteral("Bianchi"));
  seconda.findChild<QPushButton*>(QStringLiteral("cmdChiudi"))->click();
  EXPECT_FALSE(seconda.isVisible());
  EXPECT_EQ(f.programma.Leggi(kIni), salvato);
}

TEST(frmDatiUtente, TextsLimitsAndTabOrder) {
  Finestra f;
  EXPECT_EQ(f.finestra.windowTitle(), QStringLiteral("Dati utente"));
  const QList<const char*> ordine = {"txtCognome", "txtNome", "txtCitta", "txtVia", "cmdSalva", "cmdChiudi"};
  QWidget* attuale = f.Campo("txtCognome");
  for (qsizetype i = 1; i < ordine.size(); ++i) {
    attuale = attuale->nextInFocusChain();
    EXPECT_EQ(attuale->objectName(), QString::fromLatin1(ordine[i]));
  }
  const QStringList etichette = {"Cognome", "Nome", "Città", "Via"};
  for (qsizetype i = 0; i < etichette.size(); ++i) {
    QLineEdit* campo = f.Campo(kCampi[i]);
    EXPECT_EQ(campo->maxLength(), 50);
    EXPECT_EQ(campo->accessibleName(), etichette[i]);
  }
  EXPECT_EQ(f.finestra.findChild<QPushButton*>(QStringLiteral("cmdSalva"))->text(), QStringLiteral("Salva"));
}

}  // namespace
