#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "BancoLaboratorio.h"
#include "FinestraProva.h"
#include "mainwindow/frmFTP.h"
#include "support/Attesa.h"

namespace {

TEST(Prezziario, TheDownloadedPriceListReachesTheMainWindowsListsWhenTheWindowCloses) {
  AmbienteFinestra ambiente;
  ambiente.ClienteAbituale();
  BancoLaboratorio banco;
  ASSERT_TRUE(banco.avviato());
  ambiente.server = banco.datiServer();
  auto finestra = ambiente.NuovaFinestra();
  auto* lista = finestra->findChild<QComboBox*>(QStringLiteral("cmbFormatiCopia"));
  ASSERT_TRUE(lista);
  ASSERT_TRUE(VociLista(lista).join(u' ').contains(QStringLiteral("15x11")));

  finestra->allaFinestraModale = [&banco](QDialog& dialogo) {
    auto& invio = dynamic_cast<frmFTP&>(dialogo);
    EXPECT_TRUE(invio.SoloPrezziario);
    invio.findChild<QLineEdit*>(QStringLiteral("txtUsername"))->setText(QStringLiteral("guest"));
    invio.findChild<QLineEdit*>(QStringLiteral("txtPassword"))
        ->setText(banco.utente(QStringLiteral("guest")).password);
    // Each command runs on a worker: the window must outlive it.
    for (const char* comando : {"cmdAccedi", "cmdScaricaPrezziario"}) {
      invio.findChild<QPushButton*>(QString::fromLatin1(comando))->click();
      ASSERT_TRUE(AttendiFinche([&invio] { return !invio.operazioneInCorso(); }, 60000)) << comando;
    }
  };
  finestra->findChild<QAction*>(QStringLiteral("ScaricaPrezziario"))->trigger();
  EXPECT_EQ(finestra->finestreModali, QStringList{QStringLiteral("frmFTP")});
  EXPECT_TRUE(ambiente.piattaforma.testi().contains(QStringLiteral("Prezziario aggiornato.")));
  // 15x11 is not in the lab's list, 10x7 only there.
  EXPECT_FALSE(VociLista(lista).join(u' ').contains(QStringLiteral("15x11")));
  EXPECT_TRUE(ambiente.programma.Leggi(QStringLiteral("Formati.xml")).contains("10x7"));
}

TEST(Prezziario, ClosingThePriceListWhileASendIsUnfinishedClosesTheProgramAsItSays) {
  AmbienteFinestra ambiente;
  ambiente.ClienteAbituale();
  ambiente.ImpostaOpzione(QStringLiteral("FTPInCorso"), QStringLiteral("1"));
  auto finestra = ambiente.NuovaFinestra();
  // The first activation offers the unfinished send, which is closed unused.
  finestra->Attiva();
  ambiente.piattaforma.Azzera();
  finestra->allaFinestraModale = [](QDialog& dialogo) {
    dialogo.findChild<QPushButton*>(QStringLiteral("cmdChiudi"))->click();
  };
  finestra->findChild<QAction*>(QStringLiteral("ScaricaPrezziario"))->trigger();
  ASSERT_EQ(ambiente.piattaforma.testi().size(), 1) << ambiente.piattaforma.testi().join(u'|').toStdString();
  EXPECT_TRUE(ambiente.piattaforma.testi()[0].contains(QStringLiteral("L'applicazione verrà chiusa")));
  EXPECT_FALSE(finestra->isVisible());
  EXPECT_EQ(ambiente.Opzione(QStringLiteral("FTPInCorso")), QStringLiteral("1"));
}

}  // namespace
