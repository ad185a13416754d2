#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "AlbumProva.h"
#include "BancoLaboratorio.h"
#include "FinteInvio.h"
#include "send/frmFTP.h"
#include "support/Attesa.h"
#include "support/CartellaProgrammaProva.h"
#include "support/PiattaformaFinta.h"

namespace {

// The send window's own buttons send a small album to a slowed-down lab.
TEST(frmFTPAndamento, TheLineUnderTheBarShowsTheUploadWholeAndStaysEmptyForThePriceList) {
  CartellaProgrammaProva programma;
  BancoLaboratorio banco;
  ASSERT_TRUE(banco.avviato());
  ASSERT_TRUE(banco.LimiteFTP(500));
  PiattaformaFinta finta;
  const PercorsiProgramma percorsi = programma.percorsi();
  OrdineProva ordine{percorsi};
  FoglioProva foglio;
  QFile::link(QStringLiteral(KELMORA_LIBRERIA), programma.file(QStringLiteral("libKelmora.so")));
  ScriviAlbumProva(programma, 1, 1'000'000);
  ordine.Carica();

  frmFTP prezzi(ordine, foglio, percorsi, banco.datiServer(), true);
  prezzi.show();
  EXPECT_FALSE(prezzi.findChild<QLabel*>(QStringLiteral("lblAndamento"))->isVisible());

  frmFTP finestra(ordine, foglio, percorsi, banco.datiServer(), false);
  finestra.show();
  auto* riga = finestra.findChild<QLabel*>(QStringLiteral("lblAndamento"));
  ASSERT_TRUE(riga->isVisible());
  EXPECT_EQ(riga->text(), QString());
  const auto utente = banco.utente(QStringLiteral("convenzionato"));
  finestra.findChild<QLineEdit*>(QStringLiteral("txtUsername"))->setText(utente.nome);
  finestra.findChild<QLineEdit*>(QStringLiteral("txtPassword"))->setText(utente.password);
  finestra.findChild<QPushButton*>(QStringLiteral("cmdAccedi"))->click();
  ASSERT_TRUE(AttendiFinche([&] { return !finestra.operazioneInCorso(); }, 60000));

  finestra.findChild<QPushButton*>(QStringLiteral("cmdInviaVelistra"))->click();
  ASSERT_TRUE(AttendiFinche([&] { return riga->text().contains(QStringLiteral("/s · circa")); }, 60000));
  EXPECT_GE(riga->contentsRect().width(), riga->fontMetrics().horizontalAdvance(riga->text()))
      << riga->text().toStdString();
  EXPECT_EQ(finestra.findChild<QProgressBar*>(QStringLiteral("pbAvanzamento"))->value(), 0);
  ASSERT_TRUE(AttendiFinche([&] { return !finestra.operazioneInCorso(); }, 60000));
  EXPECT_EQ(riga->text(), QStringLiteral("Inviati 1,0 MB di 1,0 MB"));
}

}  // namespace
