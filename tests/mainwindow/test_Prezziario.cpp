#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>

#include "FinestraProva.h"

namespace {

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
