#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include "BancoLaboratorio.h"
#include "send/FinteInvio.h"
#include "mainwindow/frmFTP.h"
#include "settings/cINIProfiles.h"
#include "support/Attesa.h"
#include "support/CartellaProgrammaProva.h"
#include "support/PiattaformaFinta.h"
#include "support/SenzaPermessiRoot.h"

namespace {

class frmFTPTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(banco.avviato());
    // The separators come from the Kelmora library beside the program.
    QFile::link(QStringLiteral(KELMORA_LIBRERIA), programma.file(QStringLiteral("libKelmora.so")));
  }
  std::unique_ptr<frmFTP> Apri(bool soloPrezziario) {
    auto finestra = std::make_unique<frmFTP>(ordine, foglio, percorsi, banco.datiServer(), soloPrezziario);
    finestra->show();
    return finestra;
  }
  template <typename T>
  static T* Figlio(frmFTP& f, const char* nome) {
    return f.findChild<T*>(QString::fromLatin1(nome));
  }
  static void Scrivi(frmFTP& f, const QString& utente, const QString& password) {
    Figlio<QLineEdit>(f, "txtUsername")->setText(utente);
    Figlio<QLineEdit>(f, "txtPassword")->setText(password);
  }
  static void Premi(frmFTP& f, const char* nome) { Figlio<QPushButton>(f, nome)->click(); }
  // Presses a command that runs on a worker and waits for its end.
  void PremiEAttendi(frmFTP& f, const char* nome) {
    Premi(f, nome);
    ASSERT_TRUE(AttendiFinche([&f] { return !f.operazioneInCorso(); }, 60000)) << nome;
    EXPECT_EQ(finta.puntatoriOccupati(), 0) << nome;
  }
  // An album of n photos of the given size, in the order.
  void CreaAlbum(int n, int dimensione) {
    ScriviAlbumProva(programma, ContenutiProva(n, dimensione));
    ordine.Carica();
  }
  // The send window with the affiliated user logged in.
  std::unique_ptr<frmFTP> ApriCollegato() {
    auto invio = Apri(false);
    const auto utente = banco.utente(QStringLiteral("convenzionato"));
    Scrivi(*invio, utente.nome, utente.password);
    PremiEAttendi(*invio, "cmdAccedi");
    return invio;
  }
  QString LeggiIni(const QString& chiave) const {
    return cINIProfiles().GetPrivateProfileString(QStringLiteral("DatiFTP"), chiave, QStringLiteral("?"),
                                                  percorsi.PercorsoIniFTP);
  }

  CartellaProgrammaProva programma;
  BancoLaboratorio banco;
  PiattaformaFinta finta;
  const PercorsiProgramma percorsi = programma.percorsi();
  OrdineProva ordine{percorsi};
  FoglioProva foglio;
};

TEST_F(frmFTPTest, TheTwoModesShowTheirOwnCommandsAndOnlyPriceListModeAdmitsGuest) {
  auto invio = Apri(false);
  EXPECT_EQ(invio->windowTitle(), QStringLiteral("Invio fotografie"));
  EXPECT_FALSE(Figlio<QPushButton>(*invio, "cmdScaricaPrezziario")->isVisible());
  EXPECT_FALSE(Figlio<QPushButton>(*invio, "cmdInviaVelistra")->isEnabled());
  EXPECT_TRUE(Figlio<QPushButton>(*invio, "cmdAccedi")->isEnabled());
  EXPECT_EQ(Figlio<QLineEdit>(*invio, "txtPassword")->echoMode(), QLineEdit::Password);
  ASSERT_TRUE(invio->findChild<QWidget*>(QStringLiteral("sepConnessione")));
  EXPECT_EQ(invio->findChild<QWidget*>(QStringLiteral("sepInvio"))->property("Caption").toString(),
            QStringLiteral("Invio Velistra"));
  Scrivi(*invio, QStringLiteral("  guest "), QStringLiteral("guest"));
  Premi(*invio, "cmdAccedi");
  EXPECT_EQ(finta.testi(), QStringList{QStringLiteral("Impossibile inviare un Velistra con lo Username 'guest'.")});
  EXPECT_TRUE(banco.Richieste().isEmpty());

  finta.Azzera();
  auto prezzi = Apri(true);
  EXPECT_EQ(prezzi->windowTitle(), QStringLiteral("Aggiorna prezziario"));
  EXPECT_FALSE(Figlio<QPushButton>(*prezzi, "cmdInviaVelistra")->isVisible());
  Scrivi(*prezzi, QStringLiteral("guest"), banco.utente(QStringLiteral("guest")).password);
  PremiEAttendi(*prezzi, "cmdAccedi");
  EXPECT_TRUE(finta.messaggi().isEmpty());
  EXPECT_TRUE(Figlio<QLineEdit>(*prezzi, "txtUsername")->isReadOnly());
  EXPECT_FALSE(Figlio<QCheckBox>(*prezzi, "chkFTPPassivo")->isEnabled());
  EXPECT_FALSE(Figlio<QPushButton>(*prezzi, "cmdAccedi")->isEnabled());
  EXPECT_TRUE(Figlio<QPushButton>(*prezzi, "cmdScaricaPrezziario")->isEnabled());
}

TEST_F(frmFTPTest, ThePasswordBoxShowsItsLongestPasswordWhole) {
  auto f = Apri(false);
  auto* campo = Figlio<QLineEdit>(*f, "txtPassword");
  campo->setText(QString(campo->maxLength(), u'a'));
  const QChar eco(campo->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, campo));
  const int bordo = campo->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, campo);
  // The line edit keeps two pixels each side inside its frame.
  EXPECT_GE(campo->width(), campo->fontMetrics().horizontalAdvance(QString(25, eco)) + 2 * bordo + 2 * 2);
}

TEST_F(frmFTPTest, AWrongPasswordLeavesTheWindowAsItWas) {
  auto f = Apri(false);
  Scrivi(*f, QStringLiteral("cliente"), QStringLiteral("sbagliata"));
  PremiEAttendi(*f, "cmdAccedi");
  EXPECT_EQ(finta.testi(), QStringList{QStringLiteral("Username o password non validi.")});
  EXPECT_TRUE(Figlio<QPushButton>(*f, "cmdAccedi")->isEnabled());
  EXPECT_FALSE(Figlio<QLineEdit>(*f, "txtUsername")->isReadOnly());
  EXPECT_FALSE(Figlio<QPushButton>(*f, "cmdInviaVelistra")->isEnabled());
}

TEST_F(frmFTPTest, SettingsAreSavedOnlyWhenCompleteAndThePasswordNeverInClear) {
  {
    auto f = Apri(false);
    Scrivi(*f, QStringLiteral("   "), QStringLiteral("segreta"));
    Premi(*f, "cmdSalvaImpostazioni");
    EXPECT_EQ(finta.testi(), QStringList{QStringLiteral("Inserire lo username")});
    EXPECT_EQ(Figlio<QLineEdit>(*f, "txtUsername")->text(), QString());
    EXPECT_EQ(LeggiIni(QStringLiteral("Username")), QString());
    Scrivi(*f, QStringLiteral("anna"), QString());
    Premi(*f, "cmdSalvaImpostazioni");
    EXPECT_EQ(finta.testi().last(), QStringLiteral("Inserire la password"));
    EXPECT_EQ(LeggiIni(QStringLiteral("Username")), QString());

    Scrivi(*f, QStringLiteral("anna"), QStringLiteral("a&b=c+d%e f"));
    Figlio<QLineEdit>(*f, "txtProxy")->setText(QStringLiteral("proxy.lab:3128"));
    Figlio<QCheckBox>(*f, "chkFTPPassivo")->setChecked(true);
    Premi(*f, "cmdSalvaImpostazioni");
  }
  EXPECT_EQ(LeggiIni(QStringLiteral("Username")), QStringLiteral("anna"));
  EXPECT_FALSE(programma.Leggi(QStringLiteral("VelistraFTP.ini")).contains("a&b=c+d%e f"));
  EXPECT_EQ(LeggiIni(QStringLiteral("FTPPassivo")), QStringLiteral("1"));
  auto riaperta = Apri(false);
  EXPECT_EQ(Figlio<QLineEdit>(*riaperta, "txtPassword")->text(), QStringLiteral("a&b=c+d%e f"));
  EXPECT_EQ(Figlio<QLineEdit>(*riaperta, "txtProxy")->text(), QStringLiteral("proxy.lab:3128"));
  EXPECT_TRUE(Figlio<QCheckBox>(*riaperta, "chkFTPPassivo")->isChecked());
}

TEST_F(frmFTPTest, SettingsThatCannotBeSavedAreToldAndTheOldOnesStay) {
  const QByteArray prima = programma.Leggi(QStringLiteral("VelistraFTP.ini"));
  auto f = Apri(false);
  Scrivi(*f, QStringLiteral("anna"), QStringLiteral("segreta"));
  {
    const CartellaSoloLettura soloLettura(programma.percorso());
    Premi(*f, "cmdSalvaImpostazioni");
  }
  EXPECT_EQ(finta.testi(),
            QStringList{QStringLiteral("Impossibile salvare le impostazioni nel file\r\n'") +
                        percorsi.PercorsoIniFTP +
                        QStringLiteral("'.\r\nIl disco potrebbe essere pieno o la cartella protetta da scrittura: "
                                       "il contenuto salvato in precedenza non è stato modificato.")});
  EXPECT_EQ(programma.Leggi(QStringLiteral("VelistraFTP.ini")), prima);
}

TEST_F(frmFTPTest, TheCloseBoxDuringASendInterruptsItAndClosesTheWindowAfterwards) {
  CreaAlbum(3, 200000);
  auto invio = ApriCollegato();
  // The close box is pressed as soon as the send has started.
  QTimer::singleShot(0, invio.get(), [&invio] { invio->close(); });
  PremiEAttendi(*invio, "cmdInviaVelistra");
  EXPECT_FALSE(invio->isVisible());
  EXPECT_TRUE(finta.testi().contains(QStringLiteral(
      "E' stato interrotto l'invio del Velistra.\r\nPer riprendere l'invio da dove era stato lasciato, "
      "premere nuovamente il bottone.")));
  EXPECT_EQ(ordine.nuoviAlbum, 0);
  for (const auto& transazione : banco.Transazioni()) EXPECT_FALSE(transazione.trasferito);
}

TEST_F(frmFTPTest, ChiudiRightAfterTheSuccessMessageWaitsForTheSendsLastSteps) {
  CreaAlbum(2, 1000);
  auto invio = ApriCollegato();
  auto* chiudi = Figlio<QPushButton>(*invio, "cmdChiudi");
  // The window as "Chiudi" found it, the send still running.
  bool inCorso = false;
  bool abilitato = true;
  bool chiusa = true;
  finta.AlMessaggio([&](const PiattaformaFinta::Messaggio& messaggio) {
    if (!messaggio.testo.startsWith(QStringLiteral("Invio del Velistra terminato con successo."))) return;
    // The press lands while the message is up (the only events the GUI thread
    // takes between the send's last steps), before the new album and the close.
    inCorso = invio->operazioneInCorso();
    abilitato = chiudi->isEnabled();
    // Even a press that reaches the button anyway leaves the window to the send.
    Q_EMIT chiudi->clicked();
    chiusa = !invio->isVisible();
  });
  PremiEAttendi(*invio, "cmdInviaVelistra");
  EXPECT_TRUE(inCorso);
  EXPECT_FALSE(abilitato);
  EXPECT_FALSE(chiusa);
  // The send's own close came once its work was done, after the new album.
  EXPECT_FALSE(invio->isVisible());
  EXPECT_EQ(ordine.nuoviAlbum, 1);
  EXPECT_FALSE(invio->ChiudereApplicazione);
}

}  // namespace
