#include <gtest/gtest.h>

#include "mainwindow/Messaggi.h"
#include "send/AvvisoInvio.h"
#include "support/PiattaformaFinta.h"

namespace {

using Tipo = AvvisoInvio::Tipo;

// Every result value of the send has a message of its own; only the question asks.
TEST(MessaggiInvio, EveryResultOfTheSendHasItsOwnMessageAndOnlyTheQuestionAsks) {
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
  // The question's answer comes back; its default keeps the transaction.
  finta.Azzera();
  finta.Rispondi(RispostaMessaggio::Si);
  EXPECT_EQ(MostraAvvisoInvio({Tipo::ConfermaCancellazione}), RispostaMessaggio::Si);
  EXPECT_EQ(finta.messaggi()[0].predefinita, RispostaMessaggio::No);
  EXPECT_EQ(finta.messaggi()[0].icona, IconaMessaggio::Domanda);
}

}  // namespace
