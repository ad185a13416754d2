#pragma once
#include <gtest/gtest.h>

#include "BancoLaboratorio.h"
#include "FinteInvio.h"
#include "send/InvioVelistra.h"
#include "settings/ValoriProgramma.h"
#include "support/Attesa.h"
#include "support/CartellaProgrammaProva.h"
#include "support/PiattaformaFinta.h"

// A program folder pointed at a running lab stand-in, with the send logic
// between a scripted send window and a scripted main window.
class ProvaInvio : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(banco.avviato()) << banco.errore().toStdString();
    banco.ImpostaProgramma();
    Programma().TimeoutRichiestaMs = 5000;
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
  PrincipaleFinta principale;
  InvioVelistra invio{vista, principale};
};
