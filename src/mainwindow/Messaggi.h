#pragma once
#include <QString>

#include "windows/Piattaforma.h"
#include "ordine/EsitiOrdine.h"
#include "send/AvvisoInvio.h"

class QWidget;
struct PercorsiProgramma;

// The window layer's one mapping of result values to the texts the user
// reads, with their icons and buttons. Each text is written here once.

// The order

// A question with its icon and default button, asked by whoever runs the step.
struct DomandaMessaggio {
  QString testo;
  IconaMessaggio icona = IconaMessaggio::Nessuna;
  RispostaMessaggio predefinita = RispostaMessaggio::Si;
};

// Asked before the next step once "Annulla" was clicked.
DomandaMessaggio DomandaInterruzioneCopia();
DomandaMessaggio DomandaInterruzioneCaricamento();
DomandaMessaggio DomandaInterruzioneCartella(const QString& cartella);

// The window's life.
void AvvisaChiusuraNonCorretta(QWidget* finestra);
void AvvisaInvioDaRiprendere(QWidget* finestra);
void AvvisaOperazioneInCorso(QWidget* finestra);
void AvvisaNessunaFotoDaInviare(QWidget* finestra);

void AvvisaNessunaSelezione(QWidget* finestra);
// An empty format list (a catalogue without formats of that kind).
void AvvisaNessunFormatoScelto(QWidget* finestra);
void AvvisaFiltroNecessario(QWidget* finestra);
bool ConfermaCopiaNelloStessoFormato(QWidget* finestra);
void AvvisaSpostamentoNelloStessoFormato(QWidget* finestra);
bool ConfermaCancellazione(QWidget* finestra);
bool ConfermaNuovoVelistra(QWidget* finestra);
bool ConfermaSostituzioneVelistra(QWidget* finestra);
// A send not finished: its album must stay.
void AvvisaInvioInSospeso(QWidget* finestra);
// The photo titolo is already in formato: Sì, No, Sì a tutte or No a tutte.
RispostaMessaggio ChiediDuplicato(const QString& titolo, const QString& formato, QWidget* finestra);
bool ConfermaStampeSgranate(int sgranate, QWidget* finestra);
void AvvisaVistaNonPronta(QWidget* finestra);

// What stopped an operation, if anything; true when it told something.
bool AvvisaEsito(const RisultatoOperazione& risultato, QWidget* finestra);
// The end of a copy that did not fail; photos refused as already in the format were not copied.
void AvvisaCopiaEseguita(const QString& formato, int copiate, QWidget* finestra);
void AvvisaSpostamentoEseguito(const QString& formato, QWidget* finestra);
void AvvisaCancellazioneEseguita(QWidget* finestra);
// What a repeated order left out, in one message: the customer's files that
// are gone and the formats the price list no longer has.
void AvvisaFotoNonAggiunte(const RisultatoOperazione& risultato, QWidget* finestra);

// The saves: a failure names the file that still holds what it held before.
void AvvisaSalvataggio(EsitoSalvataggio esito, const PercorsiProgramma& percorsi, QWidget* finestra);

// The order folder.
void AvvisaNessunaCartella(QWidget* finestra);
bool ConfermaEliminazioneCartella(const QString& scelta, QWidget* finestra);
void AvvisaCartellaNonCreata(const QString& cartella, QWidget* finestra);
void AvvisaOperazioneAnnullata(QWidget* finestra);
// The end of the order folder; false when it was not written (the caller removes it).
bool AvvisaCartellaOrdine(const RisultatoCartella& risultato, const QString& cartella,
                          const PercorsiProgramma& percorsi, QWidget* finestra);

// The send

// Shows a message of the send; returns the button chosen.
RispostaMessaggio MostraAvvisoInvio(const AvvisoInvio& avviso, QWidget* proprietario = nullptr);
// An album without an order text: nothing to send, nothing to write.
void AvvisaVelistraSenzaFoto(QWidget* proprietario = nullptr);
