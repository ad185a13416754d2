#pragma once
#include <gtest/gtest.h>

#include "BancoLaboratorio.h"
#include "FinteInvio.h"
#include "send/InvioVelistra.h"
#include "support/Attesa.h"
#include "support/CartellaProgrammaProva.h"

// A program folder pointed at a running lab stand-in, with the send sequence
// between a scripted send window and a real order.
class ProvaInvio : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(banco.avviato()) << banco.errore().toStdString();
    credenziali.passivo = true;
  }

  // One command, started as the window starts it; returns once it has ended.
  void Esegui(const std::function<void()>& comando) {
    bool finita = false;
    const auto connessione = QObject::connect(&invio, &InvioVelistra::finita, [&finita] { finita = true; });
    comando();
    EXPECT_TRUE(AttendiFinche([&finita] { return finita; }, 60000));
    QObject::disconnect(connessione);
    EXPECT_FALSE(invio.operazioneInCorso());
  }
  void Invia() { Esegui([this] { invio.Invia(credenziali); }); }
  void Cancella() { Esegui([this] { invio.Cancella(credenziali); }); }
  // True when the price list replaced the catalogue.
  bool AggiornaPrezziario() {
    vista.avvisi.clear();
    Esegui([this] { invio.AggiornaPrezziario(credenziali); });
    return vista.avvisi.contains(AvvisoInvio{AvvisoInvio::Tipo::PrezziarioAggiornato});
  }
  // The user's login, as the login command leaves it.
  void Accedi(const QString& nome) {
    credenziali.username = nome;
    credenziali.password = banco.utente(nome).password;
    Esegui([this] { invio.Accedi(credenziali); });
    ASSERT_TRUE(invio.accesso().UtenteEsiste);
  }

  CartellaProgrammaProva programma;
  BancoLaboratorio banco;
  VistaFinta vista;
  FoglioProva foglio;
  CredenzialiInvio credenziali;
  const PercorsiProgramma percorsi = programma.percorsi();
  const DatiServer server = banco.datiServer(5000);
  OrdineProva ordine{percorsi};
  InvioVelistra invio{vista, ordine, foglio, percorsi, server};
};
