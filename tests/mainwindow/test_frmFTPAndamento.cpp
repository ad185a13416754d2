#include <gtest/gtest.h>

#include <QAccessible>
#include <QFile>
#include <QLabel>

#include "send/FinteInvio.h"
#include "send/AndamentoInvio.h"
#include "mainwindow/frmFTP.h"
#include "support/CartellaProgrammaProva.h"
#include "support/PiattaformaFinta.h"

namespace {

TEST(frmFTPAndamento, TheSendWindowShowsALongLineWholeAndThePriceListWindowNone) {
  CartellaProgrammaProva programma;
  PiattaformaFinta finta;
  QFile::link(QStringLiteral(KELMORA_LIBRERIA), programma.file(QStringLiteral("libKelmora.so")));
  const PercorsiProgramma percorsi = programma.percorsi();
  OrdineProva ordine{percorsi};
  FoglioProva foglio;
  frmFTP prezzi(ordine, foglio, percorsi, DatiServer{}, true);
  prezzi.show();
  EXPECT_FALSE(prezzi.findChild<QLabel*>(QStringLiteral("lblAndamento"))->isVisible());

  qint64 adesso = 0;
  AndamentoInvio andamento(1'200'000'000, [&adesso] { return adesso; });
  adesso = 3000;
  andamento.FileInCorso(2'664'000);
  frmFTP invio(ordine, foglio, percorsi, DatiServer{}, false);
  invio.show();
  invio.MostraAndamento(andamento.testo());
  auto* riga = invio.findChild<QLabel*>(QStringLiteral("lblAndamento"));
  ASSERT_EQ(riga->text(), QStringLiteral("Inviati 2,7 MB di 1,2 GB · 888 kB/s · circa 22 minuti"));
  EXPECT_TRUE(riga->isVisible());
  EXPECT_GE(riga->contentsRect().width(), riga->fontMetrics().horizontalAdvance(riga->text()));
  // A screen reader hears the line itself, and its changes.
  QAccessibleInterface* accessibile = QAccessible::queryAccessibleInterface(riga);
  ASSERT_TRUE(accessibile);
  EXPECT_EQ(accessibile->text(QAccessible::Description), riga->text());
  invio.MostraAndamento(andamento.testoFinale());
  EXPECT_EQ(accessibile->text(QAccessible::Description), QStringLiteral("Inviati 2,7 MB di 1,2 GB"));
  EXPECT_TRUE(finta.messaggi().isEmpty());
}

}  // namespace
