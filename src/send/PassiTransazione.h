#pragma once
#include <QString>
#include <cstdint>
#include <memory>

#include "send/AvvisoInvio.h"
#include "send/DatiInvio.h"
#include "send/SessioneFTP.h"

class DocumentoXML;

// The steps of the send that talk to the lab's web service (and, to start a
// transaction, its FTP server). Each runs as a task: it takes a snapshot,
// returns its outcome with the messages to show, in order, and shows nothing.

struct EsitoRicerca {
  Transazione transazione;  // the unpaid one, else the paid one, else none
  AvvisiInvio avvisi;
};
EsitoRicerca CercaTransazione(const ContestoInvio& contesto);

struct EsitoPreparazione {
  bool riuscita = false;
  Transazione transazione;
  AvvisiInvio avvisi;
};
// A new transaction: its folder on the FTP server with the album in it, and the
// album's digest registered by the lab.
EsitoPreparazione PreparaVelistra(const ContestoInvio& contesto);

struct EsitoVerificaPagamento {
  bool pagato = false;
  AvvisiInvio avvisi;
};
EsitoVerificaPagamento VerificaPagamento(const ContestoInvio& contesto, const QString& transazioneId);

struct EsitoRichiestaPagamento {
  QString indirizzo;  // the payment page; empty when there is none to open
  AvvisiInvio avvisi;
};
// Asks the lab for the payment page of the amount.
EsitoRichiestaPagamento RichiediPagamento(const ContestoInvio& contesto, const QString& transazioneId,
                                          std::int32_t centesimi);

struct EsitoPrezziario {
  bool aggiornato = false;
  std::shared_ptr<const DocumentoXML> prezzi;  // the catalogue downloaded, when saved
  AvvisiInvio avvisi;
};
// Downloads the price list into "Formati.xml"; a reply that is not a catalogue
// never replaces the one the customer has.
EsitoPrezziario AggiornaPrezziario(const ContestoInvio& contesto);

struct EsitoRicercaDaCancellare {
  bool trovata = false;
  bool pagata = false;
  QString transazioneId;
  AvvisiInvio avvisi;
};
EsitoRicercaDaCancellare CercaDaCancellare(const ContestoInvio& contesto);

// Cancels the transaction, when there is one.
AvvisiInvio CancellaTransazione(const ContestoInvio& contesto, const QString& transazioneId);

// The amount as the payment request sends it: "#,0.00" in the user's locale
// with every "," then turned into "." (123450 cents: "1.234.50").
QString TestoPrezzo(std::int32_t centesimi);

// The payment page's address from its Base64 text, when it is an http or https
// address with a host; empty otherwise.
QString IndirizzoPagamento(const QString& codificato);

// A folder the server names for a transaction that could leave the lab's area.
bool CartellaTransazioneSicura(const QString& cartella);
// Each step's request body with the user's name and password.
QString CorpoTransazione(const ContestoInvio& contesto, const QString& transazioneId, const QString& modo);
// The FTP session's settings for the user logged in.
SessioneFTP::Impostazioni ImpostazioniFTP(const ContestoInvio& contesto);
// Adds the server's error text to avvisi and says whether the command went through.
bool RiuscitoFTP(OperazioneFTP operazione, const EsitoFTP& esito, AvvisiInvio& avvisi);
