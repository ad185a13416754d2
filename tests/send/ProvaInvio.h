#pragma once
#include <gtest/gtest.h>

#include "BancoLaboratorio.h"
#include "FinteInvio.h"
#include "send/InvioVelistra.h"
#include "startup/ValoriProgramma.h"
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

  CartellaProgrammaProva programma;
  BancoLaboratorio banco;
  PiattaformaFinta finta;
  VistaFinta vista;
  PrincipaleFinta principale;
  InvioVelistra invio{vista, principale};
};
