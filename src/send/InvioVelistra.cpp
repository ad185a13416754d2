#include "send/InvioVelistra.h"

#include <QLocale>
#include <QUrl>

#include "codecs/Base64Class.h"
#include "windows/AvvisoSalvataggio.h"
#include "common/DocumentoXML.h"
#include "common/Piattaforma.h"
#include "common/Lavoro.h"
#include "send/CodiciOperazione.h"
#include "send/LetturaRisposta.h"
#include "send/ModuliRichiesta.h"
#include "send/Prezziario.h"
#include "send/RichiestaLaboratorio.h"
#include "send/VistaInvio.h"
#include "ordine/OrdineVelistra.h"
#include "settings/Impostazioni.h"

namespace {

void Avviso(const QString& testo) { MsgBox(testo, IconaMessaggio::Esclamazione); }

}  // namespace

QString TestoPrezzo(std::int32_t centesimi) {
  const QLocale locale;
  const qint64 euro = centesimi / 100;
  const qint64 resto = std::abs(centesimi % 100);
  QString testo = locale.toString(euro) + locale.decimalPoint() +
                  QStringLiteral("%1").arg(resto, 2, 10, QChar(u'0'));
  return testo.replace(u',', u'.');
}

InvioVelistra::InvioVelistra(VistaInvio& vista, OrdineVelistra& ordine, FoglioCliente& foglio,
                             const PercorsiProgramma& percorsi, const DatiServer& server)
    : vista_(vista), ordine_(ordine), foglio_(foglio), percorsi_(percorsi), server_(server) {}

InvioVelistra::~InvioVelistra() = default;

void InvioVelistra::Avvia(QObject* contesto, std::function<void()> lavoro, std::function<void()> fine) {
  // Set here, not on the worker: an interruption asked for at once is not lost.
  inCorso_ = true;
  ContinuaOperazione = true;
  AvviaLavoro(contesto, std::move(lavoro), [this, fine = std::move(fine)] {
    inCorso_ = false;
    fine();
  });
}

std::unique_ptr<DocumentoXML> InvioVelistra::Richiesta(const QString& corpo) {
  auto risposta = CreaDocumentoXML();
  risposta->caricaTesto(ChiediAlLaboratorio(server_, corpo).testo());
  return risposta;
}

bool InvioVelistra::RiuscitoFTP(OperazioneFTP operazione, const EsitoFTP& esito) {
  AvvisaErroreFTP(operazione, esito);
  return esito.riuscito();
}

QString InvioVelistra::CorpoTransazione(const QString& modo) const {
  return creaDatiPostTM(vista_.username(), vista_.password(), TransazioneId, modo);
}

SessioneFTP::Impostazioni InvioVelistra::ImpostazioniFTP() const {
  SessioneFTP::Impostazioni impostazioni;
  impostazioni.server = server_.DatiFTPServer;
  impostazioni.utente = vista_.username();
  impostazioni.password = accesso_.PasswordFTP;
  impostazioni.proxy = vista_.proxy();
  impostazioni.passivo = vista_.ftpPassivo();
  impostazioni.timeoutMs = server_.TimeoutRichiestaMs;
  return impostazioni;
}

void InvioVelistra::setDatiTransazione(const DocumentoXML& pXMLDOMTransazione) {
  LeggiRispostaTesto(pXMLDOMTransazione, QStringLiteral("/xml/transazioni/transazione_id"), TransazioneId);
  LeggiRispostaTesto(pXMLDOMTransazione, QStringLiteral("/xml/transazioni/data"), TransazioneData);
  LeggiRispostaTesto(pXMLDOMTransazione, QStringLiteral("/xml/transazioni/cartella"), TransazioneCartella);
}

bool InvioVelistra::NuovaTransazione() {
  const auto risposta =
      Richiesta(creaDatiPostM(vista_.username(), vista_.password(), f_K_HTTPS_NUOVA_TRANSAZIONE()));
  TransazioneId.clear();
  TransazioneData.clear();
  TransazioneCartella.clear();
  setDatiTransazione(*risposta);
  return true;
}

bool InvioVelistra::CartellaTransazioneSicura() {
  // No folder at all fails as a folder the server refused to create.
  if (TransazioneCartella.isEmpty() || NomeRemotoSicuro(TransazioneCartella)) return true;
  MsgBox(QStringLiteral("Il server ha indicato una cartella di invio non valida.\r\n"
                        "Impossibile proseguire con l'invio del Velistra."),
         IconaMessaggio::Critica);
  return false;
}

bool InvioVelistra::PreparaVelistra() {
  vista_.MostraStato(QStringLiteral("Creazione nuovo Velistra in corso..."));
  bool riuscito = false;
  if (!RiuscitoFTP(OperazioneFTP::Accesso, sessione_.ApriSessioneFTP(ImpostazioniFTP()))) {
    Avviso(QStringLiteral("Errore durante l'accesso al server FTP (3)."));
  } else {
    NuovaTransazione();
    if (!CartellaTransazioneSicura()) {
      // Nothing is created for a folder name that could leave the lab's area.
    } else if (TransazioneCartella.isEmpty() ||
               !RiuscitoFTP(OperazioneFTP::CreaCartella, sessione_.CreaCartellaFTP(TransazioneCartella))) {
      Avviso(QStringLiteral("Errore durante l'accesso al server FTP (1)."));
    } else {
      RiuscitoFTP(OperazioneFTP::CambiaCartella,
                  sessione_.CambiaCartellaFTP(server_.DatiFTPServer, TransazioneCartella));
      if (!RiuscitoFTP(OperazioneFTP::InvioFile,
                       sessione_.InviaFileFTP(percorsi_.PercorsoVelistraXML,
                                              PercorsoRemoto(QStringLiteral("Velistra.xml"))))) {
        AvvisaInvioFileNonRiuscito();
      } else {
        const auto esito = Richiesta(CorpoTransazione(f_K_HTTPS_CREA_MD5()));
        int esitoMD5 = 0;
        LeggiRispostaIntero(*esito, QStringLiteral("/xml/esito_md5"), esitoMD5);
        if (esitoMD5 != 1)
          Avviso(QStringLiteral("Errore durante l'invio del Velistra (4)."));
        else
          riuscito = true;
      }
    }
  }
  sessione_.ChiudiSessioneFTP();
  return riuscito;
}

bool InvioVelistra::VerificaPagamento() {
  vista_.MostraStato(QStringLiteral("Verifica pagamento Velistra in corso..."));
  const auto risposta = Richiesta(CorpoTransazione(f_K_HTTPS_PAGATO()));
  bool pagato = false;
  LeggiRispostaBool(*risposta, QStringLiteral("/xml/pagato"), pagato);
  return pagato;
}

bool InvioVelistra::sAggiornaPrezziario() {
  auto prezzi = ScaricaPrezziario(server_, vista_.username(), vista_.password());
  const QString percorso = percorsi_.PercorsoProgramma + QStringLiteral("Formati.xml");
  // A reply that is not a catalogue never replaces the one the customer has.
  if (!prezzi) {
    MsgBox(QStringLiteral("Impossibile aggiornare il prezziario: il server non ha inviato un listino valido."),
           IconaMessaggio::Esclamazione);
    return false;
  }
  if (!prezzi->salva(percorso)) {
    AvvisaPrezziarioNonSalvato(percorso, vista_.finestra());
    return false;
  }
  XMLDOMPrezzi = std::move(prezzi);
  SulThreadGrafico([&] { ordine_.SostituisciCatalogo(CreaDocumentoXML(percorso)); });
  // Only the price breakdown reads the time: a settings file that cannot be
  // written must not turn a good download into a failure.
  Impostazioni(percorsi_).ScriviListinoScaricato(QDateTime::currentDateTime());
  return true;
}

QString IndirizzoPagamento(const QString& codificato) {
  const QString indirizzo = Base64Class().DecodeToString(codificato);
  // Only a web page is opened: any other address could start a local program.
  const QUrl url(indirizzo, QUrl::StrictMode);
  const QString schema = url.scheme().toLower();
  if (!url.isValid() || (schema != QStringLiteral("https") && schema != QStringLiteral("http")) ||
      url.host().isEmpty())
    return {};
  return indirizzo;
}

bool InvioVelistra::PagaVelistra() {
  if (!sAggiornaPrezziario()) return false;
  if (accesso_.UtenteConvenzionato) return true;
  const std::int32_t importo = SulThreadGrafico([&] { return ordine_.CalcolaImportoVelistra(*XMLDOMPrezzi); });
  if (importo < 5) {
    Avviso(QStringLiteral("L'importo è inferiore a 5 centesimi."));
    return false;
  }
  const auto risposta = Richiesta(creaDatiPostTPM(vista_.username(), vista_.password(), TransazioneId,
                                                  TestoPrezzo(importo), f_K_HTTPS_PAGA_VELISTRA()));
  QString codificato;
  if (!LeggiRispostaTesto(*risposta, QStringLiteral("/xml/url"), codificato)) return false;
  const QString indirizzo = IndirizzoPagamento(codificato);
  if (indirizzo.isEmpty()) {
    MsgBox(QStringLiteral("L'indirizzo della pagina di pagamento ricevuto dal server non è valido."),
           IconaMessaggio::Critica);
    return false;
  }
  QWidget* finestra = vista_.finestra();
  SulThreadGrafico([&] { piattaforma().ApriDocumento(finestra, indirizzo); });
  return true;
}

void InvioVelistra::CercaTransazione() {
  auto risposta =
      Richiesta(creaDatiPostM(vista_.username(), vista_.password(), f_K_HTTPS_LEGGI_TRANSAZIONE_DA_PAGARE()));
  TransazioneId.clear();
  TransazioneData.clear();
  TransazioneCartella.clear();
  setDatiTransazione(*risposta);
  if (TransazioneId.isEmpty()) {
    risposta =
        Richiesta(creaDatiPostM(vista_.username(), vista_.password(), f_K_HTTPS_LEGGI_TRANSAZIONE_PAGATO()));
    setDatiTransazione(*risposta);
  }
}

void InvioVelistra::InviaVelistra() {
  vista_.MostraStato(QStringLiteral("Verifica Velistra in corso..."));
  CercaTransazione();
  bool avanti = ContinuaOperazione;
  bool pagato = false;
  if (TransazioneId.isEmpty()) {
    if (avanti) avanti = PreparaVelistra();
    pagato = accesso_.UtenteConvenzionato;
  } else {
    pagato = accesso_.UtenteConvenzionato || VerificaPagamento();
  }
  if (!avanti || !ContinuaOperazione) return;
  if (pagato) {
    EseguiInvioVelistra();
    return;
  }
  vista_.MostraStato(QStringLiteral("Eseguire il pagamento del Velistra"));
  MsgBox(QStringLiteral("Viene ora caricata la pagina per effettuare il pagamento.\r\n"
                        "Una volta effettuato il pagamento ritornare a questa finestra e premere "
                        "nuovamente il bottone per l'invio del Velistra."),
         IconaMessaggio::Informazione);
  if (PagaVelistra()) FTPInCorso(1);
}

void InvioVelistra::PremiInviaVelistra() {
  InvioTerminato = false;
  vista_.MostraAndamento(QString());
  InviaVelistra();
  if (!ContinuaOperazione)
    MsgBox(QStringLiteral("E' stato interrotto l'invio del Velistra.\r\n"
                          "Per riprendere l'invio da dove era stato lasciato, premere nuovamente il bottone."),
           IconaMessaggio::Informazione);
  ContinuaOperazione = false;
  vista_.MostraStato(QString());
  if (InvioTerminato) {
    // Recorded before the new album replaces the one that was sent.
    if (!SulThreadGrafico([&] { return ordine_.RegistraNelloStorico(TipoOrdine::Invio, TransazioneId); }))
      AvvisaStoricoNonSalvato(percorsi_.PercorsoStorico, vista_.finestra());
    MsgBox(QStringLiteral("Invio del Velistra terminato con successo.\r\nVerrà ora creato un nuovo Velistra."),
           IconaMessaggio::Informazione);
    XMLDOMPrezzi.reset();
    SulThreadGrafico([&] { ordine_.CreaNuovoVelistra(); });
    vista_.Chiudi();
  }
}

bool InvioVelistra::CancellaInvioVelistra() {
  bool risultato = true;
  CercaTransazione();
  const bool trovata = !TransazioneId.isEmpty();
  if (trovata && VerificaPagamento()) {
    const RispostaMessaggio risposta = MsgBox(
        QStringLiteral("Il Velistra non è stato completamente inviato al server. Cancellando "
                       "l'operazione non sarà possibile ripristinare l'invio.\r\n"
                       "Inoltre, sarà necessario avvisare il fotografo per l'eventuale storno "
                       "dell'importo pagato.\r\nContinuare?"),
        IconaMessaggio::Domanda, PulsantiMessaggio::SiNo, RispostaMessaggio::No);
    if (risposta == RispostaMessaggio::No) risultato = false;
  }
  if (risultato && trovata) Richiesta(CorpoTransazione(f_K_HTTPS_CANCELLA_TRANSAZIONE()));
  return risultato;
}

void InvioVelistra::PremiCancellaInvioVelistra() {
  vista_.MostraStato(QStringLiteral("Cancellazione Velistra in corso..."));
  if (CancellaInvioVelistra()) {
    FTPInCorso(0);
    vista_.MostraStato(QStringLiteral("Cancellazione Velistra effettuata"));
    MsgBox(QStringLiteral("Il Velistra è stato eliminato dal server."), IconaMessaggio::Informazione);
  }
}

void InvioVelistra::FTPInCorso(int Valore) {
  if (!SulThreadGrafico([&] { return ordine_.ImpostaFTPInCorso(Valore); }))
    AvvisaImpostazioniNonSalvate(percorsi_.PercorsoIni, vista_.finestra());
}

QString InvioVelistra::PercorsoRemoto(const QString& nome) const {
  return server_.DatiFTPServer + u'/' + TransazioneCartella + u'/' + nome;
}
