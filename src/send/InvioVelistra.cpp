#include "send/InvioVelistra.h"

#include "common/Compito.h"
#include "common/DocumentoXML.h"
#include "ordine/FoglioCliente.h"
#include "ordine/OrdineVelistra.h"
#include "send/CaricamentoFoto.h"
#include "send/PassiTransazione.h"
#include "send/VistaInvio.h"

namespace {

using Tipo = AvvisoInvio::Tipo;

}  // namespace

InvioVelistra::InvioVelistra(VistaInvio& vista, OrdineVelistra& ordine, FoglioCliente& foglio,
                             const PercorsiProgramma& percorsi, const DatiServer& server, QObject* genitore)
    : QObject(genitore), vista_(vista), ordine_(ordine), foglio_(foglio), percorsi_(percorsi), server_(server) {}

InvioVelistra::~InvioVelistra() = default;

void InvioVelistra::Inizia(const CredenzialiInvio& credenziali) {
  inCorso_ = true;
  // A new flag for each command: a task still reading the last one is not disturbed.
  interrotto_ = std::make_shared<std::atomic<bool>>(false);
  contesto_ = ContestoInvio{server_, percorsi_, credenziali, accesso_};
}

void InvioVelistra::Termina() {
  inCorso_ = false;
  Q_EMIT finita();
}

void InvioVelistra::Interrompi() { *interrotto_ = true; }

void InvioVelistra::Mostra(const AvvisiInvio& avvisi) {
  for (const AvvisoInvio& avviso : avvisi) vista_.Avvisa(avviso);
}

void InvioVelistra::ImpostaSegno(bool inCorso) {
  if (!ordine_.ImpostaFTPInCorso(inCorso ? 1 : 0)) vista_.Avvisa({Tipo::ImpostazioniNonSalvate, percorsi_.PercorsoIni});
}

void InvioVelistra::Accedi(const CredenzialiInvio& credenziali) {
  Inizia(credenziali);
  vista_.MostraStato(QStringLiteral("Accesso in corso..."));
  struct Esito {
    DatiAccesso accesso;
    AvvisiInvio avvisi;
  };
  AvviaCompito(
      this,
      [c = contesto_] {
        Esito esito;
        esito.accesso = AccediAlLaboratorio(c.server, c.credenziali.username, c.credenziali.password, esito.avvisi);
        return esito;
      },
      [this](const Esito& esito) {
        accesso_ = esito.accesso;
        Mostra(esito.avvisi);
        if (accesso_.UtenteEsiste) {
          vista_.MostraStato(QStringLiteral("Connesso"));
        } else {
          vista_.MostraStato(QStringLiteral("Non connesso"));
          vista_.Avvisa({Tipo::AccessoNegato});
        }
        Termina();
      });
}

void InvioVelistra::ApplicaPrezziario(const EsitoPrezziario& esito) {
  Mostra(esito.avvisi);
  if (!esito.aggiornato) return;
  prezzi_ = esito.prezzi;
  ordine_.SostituisciCatalogo(CreaDocumentoXML(percorsi_.PercorsoProgramma + QStringLiteral("Formati.xml")));
}

void InvioVelistra::AggiornaPrezziario(const CredenzialiInvio& credenziali) {
  Inizia(credenziali);
  AvviaCompito(this, [c = contesto_] { return ::AggiornaPrezziario(c); },
               [this](const EsitoPrezziario& esito) {
                 ApplicaPrezziario(esito);
                 if (esito.aggiornato) vista_.Avvisa({Tipo::PrezziarioAggiornato});
                 Termina();
               });
}

void InvioVelistra::Invia(const CredenzialiInvio& credenziali) {
  Inizia(credenziali);
  terminato_ = false;
  vista_.MostraAndamento(QString());
  vista_.MostraStato(QStringLiteral("Verifica Velistra in corso..."));
  AvviaCompito(this, [c = contesto_] { return CercaTransazione(c); },
               [this](const EsitoRicerca& esito) {
                 Mostra(esito.avvisi);
                 DopoRicerca(esito.transazione);
               });
}

void InvioVelistra::DopoRicerca(const Transazione& transazione) {
  transazione_ = transazione;
  if (!transazione_.id.isEmpty()) {
    if (accesso_.UtenteConvenzionato) return DopoPagamento(true);
    vista_.MostraStato(QStringLiteral("Verifica pagamento Velistra in corso..."));
    AvviaCompito(this, [c = contesto_, id = transazione_.id] { return VerificaPagamento(c, id); },
                 [this](const EsitoVerificaPagamento& esito) {
                   Mostra(esito.avvisi);
                   DopoPagamento(esito.pagato);
                 });
    return;
  }
  if (Interrotto()) return FineInvio();
  // No transaction yet: a new one, with the album in its folder.
  vista_.MostraStato(QStringLiteral("Creazione nuovo Velistra in corso..."));
  AvviaCompito(this, [c = contesto_] { return PreparaVelistra(c); },
               [this](const EsitoPreparazione& esito) {
                 Mostra(esito.avvisi);
                 transazione_ = esito.transazione;
                 if (!esito.riuscita) return FineInvio();
                 DopoPagamento(accesso_.UtenteConvenzionato);
               });
}

void InvioVelistra::DopoPagamento(bool pagato) {
  if (Interrotto()) return FineInvio();
  if (pagato) return InviaFoto();
  vista_.MostraStato(QStringLiteral("Eseguire il pagamento del Velistra"));
  vista_.Avvisa({Tipo::Pagamento});
  Paga();
}

void InvioVelistra::Paga() {
  // The amount is the lab's: its price list first.
  AvviaCompito(this, [c = contesto_] { return ::AggiornaPrezziario(c); },
               [this](const EsitoPrezziario& esito) {
                 ApplicaPrezziario(esito);
                 if (!esito.aggiornato) return FineInvio();
                 ChiediPagamento();
               });
}

void InvioVelistra::ChiediPagamento() {
  const std::int32_t importo = ordine_.CalcolaImportoVelistra(*prezzi_);
  if (importo < 5) {
    vista_.Avvisa({Tipo::ImportoTroppoBasso});
    return FineInvio();
  }
  AvviaCompito(this, [c = contesto_, id = transazione_.id, importo] { return RichiediPagamento(c, id, importo); },
               [this](const EsitoRichiestaPagamento& esito) {
                 if (!esito.indirizzo.isEmpty()) {
                   vista_.ApriPaginaPagamento(esito.indirizzo);
                   ImpostaSegno(true);
                 }
                 Mostra(esito.avvisi);
                 FineInvio();
               });
}

void InvioVelistra::InviaFoto() {
  vista_.MostraStato(QStringLiteral("Invio Velistra in corso..."));
  rigaFinale_.reset();
  AvviaCompitoConPassi<PassoInvio>(
      this,
      [c = contesto_, t = transazione_, interrotto = interrotto_](const std::function<void(const PassoInvio&)>& passo) {
        return ::InviaFoto(c, t, *interrotto, passo);
      },
      [this](const PassoInvio& passo) { ApplicaPasso(passo); },
      [this](const EsitoCaricamento& esito) { DopoFoto(esito); });
}

void InvioVelistra::ApplicaPasso(const PassoInvio& passo) {
  switch (passo.tipo) {
    case PassoInvio::Tipo::InCorso:
      ImpostaSegno(true);
      return;
    case PassoInvio::Tipo::Avanzamento:
      avanzamento_ = passo.valore;
      massimo_ = passo.massimo;
      vista_.ImpostaAvanzamento(avanzamento_, massimo_);
      return;
    case PassoInvio::Tipo::Andamento:
      vista_.MostraAndamento(passo.testo);
      return;
    case PassoInvio::Tipo::FotoConcluse:
      vista_.AbilitaAnnullaOperazione(false);
      return;
  }
}

void InvioVelistra::DopoFoto(const EsitoCaricamento& esito) {
  Mostra(esito.avvisi);
  rigaFinale_ = esito.rigaFinale;
  if (!esito.riuscito) {
    if (esito.fermatoNelleFoto) AvvisaInvioFallito(esito.fotoRimossa);
    return FineFoto();
  }
  // The order files come from the model and the sheet, here on the GUI thread.
  ordine_.SostituisciCatalogo(CreaDocumentoXML(percorsi_.PercorsoProgramma + QStringLiteral("Formati.xml")));
  ordine_.CalcolaImportoVelistra(*esito.prezzi);
  const QString testo =
      foglio_.getDatiUtente() + QStringLiteral("\r\nUsername: ") + contesto_.credenziali.username +
      QStringLiteral("\r\n\r\nPrezzo indicativo (da verificare): \r\n") + ordine_.getImportoCorrenteEuro() +
      QStringLiteral("\r\n\r\n") +
      (accesso_.UtenteConvenzionato ? QStringLiteral("Utente convenzionato") : QStringLiteral("Utente non convenzionato"));
  FileOrdine file{percorsi_.CartellaLavoro + QStringLiteral("DatiUtente.jpg"), std::nullopt};
  foglio_.CreaFotografiaTesto(file.immagine, testo);
  QString condizioni;
  if (ordine_.StringaFileCondition(esito.albumServer, condizioni)) file.condizioni = condizioni;
  AvviaCompito(
      this,
      [c = contesto_, t = transazione_, sessione = esito.sessione, file] {
        return ConcludiInvio(c, t, sessione, file);
      },
      [this](const EsitoConclusione& conclusione) {
        avanzamento_ += conclusione.avanzamento;
        vista_.ImpostaAvanzamento(avanzamento_, massimo_);
        Mostra(conclusione.avvisi);
        if (conclusione.riuscito) {
          ImpostaSegno(false);
          // Finished: an interruption asked for after the photos changes nothing.
          *interrotto_ = false;
          terminato_ = true;
        } else {
          AvvisaInvioFallito(false);
        }
        FineFoto();
      });
}

void InvioVelistra::AvvisaInvioFallito(bool fotoRimossa) {
  if (fotoRimossa)
    vista_.Avvisa({Tipo::FotoRimossa});
  else if (Interrotto())
    vista_.Avvisa({Tipo::InterrottoDallUtente});
  else
    vista_.Avvisa({Tipo::ErroriDuranteInvio});
}

void InvioVelistra::FineFoto() {
  vista_.ImpostaAvanzamento(massimo_, massimo_);
  vista_.MostraStato(QString());
  // A rate or a time left would be stale once the upload has stopped.
  if (rigaFinale_) vista_.MostraAndamento(*rigaFinale_);
  FineInvio();
}

void InvioVelistra::FineInvio() {
  if (Interrotto()) vista_.Avvisa({Tipo::InvioInterrotto});
  vista_.MostraStato(QString());
  if (terminato_) {
    // Recorded before the new album replaces the one that was sent.
    if (!ordine_.RegistraNelloStorico(TipoOrdine::Invio, transazione_.id))
      vista_.Avvisa({Tipo::StoricoNonSalvato, percorsi_.PercorsoStorico});
    vista_.Avvisa({Tipo::InvioTerminato});
    prezzi_.reset();
    ordine_.CreaNuovoVelistra();
    vista_.Chiudi();
  }
  Termina();
}

void InvioVelistra::Cancella(const CredenzialiInvio& credenziali) {
  Inizia(credenziali);
  vista_.MostraStato(QStringLiteral("Cancellazione Velistra in corso..."));
  AvviaCompito(this, [c = contesto_] { return CercaDaCancellare(c); },
               [this](const EsitoRicercaDaCancellare& esito) {
                 Mostra(esito.avvisi);
                 // A paid transaction is cancelled only when the user confirms.
                 if (esito.trovata && esito.pagata && !vista_.Avvisa({Tipo::ConfermaCancellazione})) return Termina();
                 Cancellazione(esito.transazioneId);
               });
}

void InvioVelistra::Cancellazione(const QString& transazioneId) {
  AvviaCompito(this, [c = contesto_, transazioneId] { return CancellaTransazione(c, transazioneId); },
               [this](const AvvisiInvio& avvisi) {
                 ImpostaSegno(false);
                 Mostra(avvisi);
                 vista_.MostraStato(QStringLiteral("Cancellazione Velistra effettuata"));
                 vista_.Avvisa({Tipo::VelistraEliminato});
                 Termina();
               });
}
