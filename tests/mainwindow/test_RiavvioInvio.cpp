#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <csignal>

#include "BancoLaboratorio.h"
#include "FinestraProva.h"
#include "send/FinteInvio.h"
#include "support/Attesa.h"

namespace {

TEST(RiavvioInvio, AProgramEndedInTheMiddleOfASendReopensTheSendAndCompletesIt) {
  AmbienteFinestra ambiente;
  ambiente.ClienteAbituale();
  const CartellaProgrammaProva& programma = ambiente.programma;
  BancoLaboratorio banco;
  ASSERT_TRUE(banco.avviato());
  ASSERT_TRUE(banco.ScriviIniFTP(programma.file(QStringLiteral("VelistraFTP.ini"))));
  ScriviAlbumProva(programma, {QByteArray(100000, 'b'), QByteArray(200000, 'c'), QByteArray(300000, 'd')});
  const auto utente = banco.utente(QStringLiteral("convenzionato"));
  const QStringList argomenti{programma.percorso(), utente.nome, utente.password};

  // The album check keeps the first run waiting in the middle of its send.
  ASSERT_TRUE(banco.GuastoWeb(QStringLiteral("lenta"), QStringLiteral("f_K_HTTPS_LEGGI_VELISTRA"), 1, 20));
  QProcess prima;
  prima.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  prima.start(QStringLiteral(VELISTRA_INVIO_PROVA), argomenti + QStringList{QStringLiteral("premi")});
  ASSERT_TRUE(AttendiFinche([&] { return ambiente.Opzione(QStringLiteral("FTPInCorso")) == u'1'; }, 60000))
      << prima.readAllStandardOutput().toStdString();
  ::kill(static_cast<pid_t>(prima.processId()), SIGKILL);
  prima.waitForFinished(5000);
  ASSERT_TRUE(banco.AzzeraGuasti());
  ASSERT_EQ(banco.Transazioni().size(), 1);
  ASSERT_FALSE(banco.Transazioni().first().trasferito);

  // The next start opens the send window by itself and the send completes.
  QProcess dopo;
  dopo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  dopo.start(QStringLiteral(VELISTRA_INVIO_PROVA), argomenti);
  QByteArray uscita;
  const bool finito = AttendiFinche([&] {
    dopo.waitForReadyRead(50);
    uscita += dopo.readAllStandardOutput();
    return uscita.contains("FINE\n");
  }, 90000);
  dopo.closeWriteChannel();
  if (!dopo.waitForFinished(10000)) dopo.kill();
  ASSERT_TRUE(finito) << uscita.toStdString();
  EXPECT_TRUE(uscita.contains("MSG 1:L'invio del Velistra non è ancora terminato."));
  EXPECT_TRUE(uscita.contains("MSG 1:Invio del Velistra terminato con successo."));
  const auto t = banco.Transazioni().first();
  EXPECT_TRUE(t.trasferito);
  EXPECT_TRUE(QFile::exists(banco.cartellaFTP() + u'/' + t.utente + u'/' + t.cartella + QStringLiteral("/End.txt")));
  EXPECT_EQ(ambiente.Opzione(QStringLiteral("FTPInCorso")), QStringLiteral("0"));
}

}  // namespace
