#pragma once
#include <gtest/gtest.h>

#include "BancoLaboratorio.h"
#include "FinteInvio.h"
#include "send/InvioVelistra.h"
#include "support/Attesa.h"
#include "support/CartellaProgrammaProva.h"
#include "support/PiattaformaFinta.h"

// A program folder pointed at a running lab stand-in, with the send logic
// between a scripted send window and a real order.
class ProvaInvio : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(banco.avviato()) << banco.errore().toStdString();
  }

  // One press, run on a worker as the window runs it; returns once it has ended.
  void Premi(void (InvioVelistra::*azione)()) {
    bool finita = false;
    invio.Avvia(&contesto, [this, azione] { (invio.*azione)(); }, [&finita] { finita = true; });
    ASSERT_TRUE(AttendiFinche([&finita] { return finita; }, 60000));
  }
  void Invia() { Premi(&InvioVelistra::PremiInviaVelistra); }
  void Cancella() { Premi(&InvioVelistra::PremiCancellaInvioVelistra); }

  QObject contesto;
  CartellaProgrammaProva programma;
  BancoLaboratorio banco;
  PiattaformaFinta finta;
  VistaFinta vista;
  FoglioProva foglio;
  const PercorsiProgramma percorsi = programma.percorsi();
  const DatiServer server = banco.datiServer(5000);
  OrdineProva ordine{percorsi};
  InvioVelistra invio{vista, ordine, foglio, percorsi, server};
};
