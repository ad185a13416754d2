#include <gtest/gtest.h>

#include "mainwindow/Messaggi.h"
#include "settings/PercorsiProgramma.h"
#include "support/PiattaformaFinta.h"

namespace {

struct AttesoMessaggio {
  QString testo;
  IconaMessaggio icona;
};

// What stopped an operation on photos or an order folder: each result its text and icon.
TEST(Messaggi, EveryResultThatStopsAnOperationOrAnOrderFolderIsToldWithItsIcon) {
  PiattaformaFinta finta;
  const QList<std::pair<RisultatoOperazione, AttesoMessaggio>> operazioni{
      {{EsitoFoto::NonTrovata}, {"Fotografia non trovata.", IconaMessaggio::Critica}},
      {{EsitoFoto::CopiaNonRiuscita, QStringLiteral("/foto/b.png")},
       {"Impossibile copiare la fotografia \"/foto/b.png\" nella cartella del Velistra.\nLe fotografie copiate fino "
        "a questo punto sono state conservate.",
        IconaMessaggio::Critica}},
      {{EsitoFoto::ContatoreEsaurito},
       {"Il contatore delle fotografie ha raggiunto il valore massimo.\nCreare un nuovo Velistra per poter "
        "aggiungere altre fotografie.",
        IconaMessaggio::Esclamazione}}};
  for (const auto& [risultato, atteso] : operazioni) {
    finta.Azzera();
    EXPECT_TRUE(AvvisaEsito(risultato, nullptr));
    ASSERT_EQ(finta.testi(), QStringList{atteso.testo});
    EXPECT_EQ(finta.messaggi()[0].icona, atteso.icona);
  }
  finta.Azzera();
  EXPECT_FALSE(AvvisaEsito({EsitoFoto::Saltata}, nullptr));
  EXPECT_TRUE(finta.messaggi().isEmpty());

  const QString cartella = QStringLiteral("/chiavetta/VE2612071530/");
  const QList<std::pair<RisultatoCartella, AttesoMessaggio>> cartelle{
      {{EsitoCartella::FotoRimossa},
       {"Una fotografia è stata rimossa dal disco.\r\nIl Velistra diventa inconsistente e non è quindi possibile "
        "proseguire la creazione.\r\nSi raccomanda di creare un nuovo Velistra.",
        IconaMessaggio::Informazione}},
      {{EsitoCartella::ScritturaNonRiuscita, QStringLiteral("imgVE_000002.png"), cartella},
       {"Impossibile scrivere \"imgVE_000002.png\" nella cartella\r\n'" + cartella +
            "'.\r\nVerificare che il disco non sia pieno o protetto da scrittura.",
        IconaMessaggio::Critica}}};
  for (const auto& [risultato, atteso] : cartelle) {
    finta.Azzera();
    EXPECT_FALSE(AvvisaCartellaOrdine(risultato, cartella, PercorsiProgramma{}, nullptr));
    ASSERT_EQ(finta.testi(), QStringList{atteso.testo});
    EXPECT_EQ(finta.messaggi()[0].icona, atteso.icona);
  }
}

// Every result value of the send has a message of its own; only the question asks.
TEST(Messaggi, EveryResultOfTheSendHasItsOwnMessageAndOnlyTheQuestionAsks) {
  using Tipo = AvvisoInvio::Tipo;
  PiattaformaFinta finta;
  QStringList testi;
  for (int i = 0; i <= static_cast<int>(Tipo::InvioNonTerminato); ++i) {
    finta.Azzera();
    const AvvisoInvio avviso{static_cast<Tipo>(i), QStringLiteral("/percorso/file"), OperazioneFTP::InvioFile, 550};
    MostraAvvisoInvio(avviso);
    ASSERT_EQ(finta.messaggi().size(), 1) << i;
    const auto& messaggio = finta.messaggi()[0];
    EXPECT_FALSE(messaggio.testo.isEmpty()) << i;
    EXPECT_FALSE(testi.contains(messaggio.testo)) << messaggio.testo.toStdString();
    testi.append(messaggio.testo);
    const bool domanda = avviso.tipo == Tipo::ConfermaCancellazione;
    EXPECT_EQ(messaggio.pulsanti, domanda ? PulsantiMessaggio::SiNo : PulsantiMessaggio::OK) << i;
  }
  // The texts built from the value, and those told apart by a number only.
  const QList<std::pair<AvvisoInvio, QString>> composti{
      {{Tipo::RispostaFTP, QStringLiteral("Login incorrect."), OperazioneFTP::Accesso, 530},
       "InternetConnect Extd Err: 530 Login incorrect."},
      {{Tipo::RispostaFTP, QStringLiteral("No."), OperazioneFTP::CreaCartella, 550},
       "Errore di creazione della directory FTP Extd Err: 550 No."},
      {{Tipo::RispostaFTP, QStringLiteral("No."), OperazioneFTP::CambiaCartella, 550}, "rcd Extd Err: 550 No."},
      {{Tipo::RispostaFTP, QStringLiteral("No."), OperazioneFTP::InvioFile, 550}, "FtpPutFile Extd Err: 550 No."},
      {{Tipo::CartellaFTPNonIndicata}, "Please enter the directory to CD"},
      {{Tipo::CartellaFTPNonCreata}, "Errore durante l'accesso al server FTP (1)."},
      {{Tipo::FileNonInviato}, "Errore durante l'accesso al server FTP (2)."},
      {{Tipo::AccessoFTPNonRiuscito}, "Errore durante l'accesso al server FTP (3)."},
      {{Tipo::InvioTerminato}, "Invio del Velistra terminato con successo.\r\nVerrà ora creato un nuovo Velistra."}};
  for (const auto& [avviso, testo] : composti) {
    finta.Azzera();
    MostraAvvisoInvio(avviso);
    EXPECT_EQ(finta.testi(), QStringList{testo});
  }
  // The question's answer comes back; its default keeps the transaction.
  finta.Azzera();
  finta.Rispondi(RispostaMessaggio::Si);
  EXPECT_EQ(MostraAvvisoInvio({Tipo::ConfermaCancellazione}), RispostaMessaggio::Si);
  EXPECT_EQ(finta.messaggi()[0].predefinita, RispostaMessaggio::No);
  EXPECT_EQ(finta.messaggi()[0].icona, IconaMessaggio::Domanda);
}

}  // namespace
