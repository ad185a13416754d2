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
  EXPECT_EQ(ambiente.piattaforma.testi(),
            QStringList{QStringLiteral(
                "L'invio del Velistra non è ancora terminato.\r\n"
                "L'applicazione verrà chiusa per evitare di perdere le informazioni relative al Velistra corrente.\r\n"
                "La prossima volta che verrà eseguito il programma verrà automaticamente aperta questa maschera per "
                "poter continuare con l'invio.")});
  EXPECT_FALSE(finestra->isVisible());
  EXPECT_EQ(ambiente.Opzione(QStringLiteral("FTPInCorso")), QStringLiteral("1"));
}

}  // namespace
