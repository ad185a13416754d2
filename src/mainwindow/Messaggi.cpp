#include "mainwindow/Messaggi.h"

#include <QDir>
#include <QStringList>

#include "common/NumeriCliente.h"
#include "settings/PercorsiProgramma.h"
#include "windows/AvvisoSalvataggio.h"

// The order

namespace {

void Informa(const QString& testo, QWidget* finestra) {
  MsgBox(testo, IconaMessaggio::Informazione, PulsantiMessaggio::OK, finestra);
}

void Esclama(const QString& testo, QWidget* finestra) {
  MsgBox(testo, IconaMessaggio::Esclamazione, PulsantiMessaggio::OK, finestra);
}

void Critica(const QString& testo, QWidget* finestra) {
  MsgBox(testo, IconaMessaggio::Critica, PulsantiMessaggio::OK, finestra);
}

bool Conferma(const QString& testo, QWidget* finestra) {
  return MsgBox(testo, IconaMessaggio::Domanda, PulsantiMessaggio::SiNo, finestra) == RispostaMessaggio::Si;
}

}  // namespace

DomandaMessaggio DomandaInterruzioneCopia() { return {QStringLiteral("Interrompere la copia?")}; }

DomandaMessaggio DomandaInterruzioneCaricamento() { return {QStringLiteral("Interrompere il caricamento?")}; }

DomandaMessaggio DomandaInterruzioneCartella(const QString& cartella) {
  return {QStringLiteral("Interrompere la creazione della cartella \r\n'") + cartella + QStringLiteral("'?"),
          IconaMessaggio::Domanda, RispostaMessaggio::No};
}

void AvvisaChiusuraNonCorretta(QWidget* finestra) {
  Informa(QStringLiteral("Il programma non è stato chiuso correttamente nella precedente sessione di lavoro.\n"
                         "Si consiglia di creare un nuovo Velistra e cancellare quello corrente."),
          finestra);
}

void AvvisaInvioDaRiprendere(QWidget* finestra) {
  Informa(QStringLiteral("L'invio del Velistra non è ancora terminato.\n"
                         "Verrà aperta la maschera per poter continuare con l'invio."),
          finestra);
}

void AvvisaOperazioneInCorso(QWidget* finestra) {
  MsgBox(QStringLiteral("Annullare l'operazione prima di chiudere l'applicazione."), IconaMessaggio::Nessuna,
         PulsantiMessaggio::OK, finestra);
}

void AvvisaNessunaFotoDaInviare(QWidget* finestra) {
  Informa(QStringLiteral("Nessuna fotografia presente nel Velistra."), finestra);
}

void AvvisaNessunaSelezione(QWidget* finestra) { Esclama(QStringLiteral("Nessuna fotografia selezionata."), finestra); }

void AvvisaNessunFormatoScelto(QWidget* finestra) {
  Esclama(QStringLiteral("Nessun formato selezionato per la copia."), finestra);
}

void AvvisaFiltroNecessario(QWidget* finestra) {
  Informa(QStringLiteral("Per eseguire una copia tra formati fotografici differenti, attivare il filtro sul formato "
                         "fotografico."),
          finestra);
}

bool ConfermaCopiaNelloStessoFormato(QWidget* finestra) {
  return MsgBox(QStringLiteral("Il formato fotografico di origine e di destinazione coincidono.\r\n"
                               "Eseguire ugualmente la copia?"),
                IconaMessaggio::Domanda, PulsantiMessaggio::SiNo, RispostaMessaggio::No,
                finestra) == RispostaMessaggio::Si;
}

void AvvisaSpostamentoNelloStessoFormato(QWidget* finestra) {
  Esclama(QStringLiteral("Selezionare un formato fotografico differente per lo spostamento."), finestra);
}

bool ConfermaCancellazione(QWidget* finestra) {
  return Conferma(QStringLiteral("Rimuovere dal formato le fotografie selezionate?"), finestra);
}

bool ConfermaNuovoVelistra(QWidget* finestra) {
  return Conferma(QStringLiteral("Rimuovere tutte le fotografie e creare un nuovo Velistra?"), finestra);
}

bool ConfermaSostituzioneVelistra(QWidget* finestra) {
  return Conferma(QStringLiteral("Il Velistra corrente verrà sostituito. Continuare?"), finestra);
}

void AvvisaInvioInSospeso(QWidget* finestra) {
  Esclama(QStringLiteral("L'invio del Velistra corrente non è terminato.\r\n"
                         "Per annullare l'attuale invio, utilizzare l'apposito bottone presente nella finestra di "
                         "invio."),
          finestra);
}

RispostaMessaggio ChiediDuplicato(const QString& titolo, const QString& formato, QWidget* finestra) {
  return MsgBox(
      QStringLiteral("La fotografia '%1' è già presente nel formato %2. Aggiungerla di nuovo?").arg(titolo, formato),
      IconaMessaggio::Domanda, PulsantiMessaggio::SiNoTutte, finestra);
}

bool ConfermaStampeSgranate(int sgranate, QWidget* finestra) {
  return MsgBox(TestoIntero(sgranate) +
                    QStringLiteral(" fotografie potrebbero risultare sgranate nella stampa. Continuare comunque?"),
                IconaMessaggio::Domanda, PulsantiMessaggio::SiNo, RispostaMessaggio::Si,
                finestra) == RispostaMessaggio::Si;
}

void AvvisaVistaNonPronta(QWidget* finestra) {
  MsgBox(QStringLiteral("Errore di inizializzazione."), IconaMessaggio::Nessuna, PulsantiMessaggio::OK, finestra);
}

bool AvvisaEsito(const RisultatoOperazione& risultato, QWidget* finestra) {
  switch (risultato.esito) {
    case EsitoFoto::Fatto:
    case EsitoFoto::Saltata: return false;
    case EsitoFoto::NonTrovata: Critica(QStringLiteral("Fotografia non trovata."), finestra); break;
    case EsitoFoto::CopiaNonRiuscita:
      // The copies made before it are kept.
      Critica(QStringLiteral("Impossibile copiare la fotografia \"") + risultato.foto +
                  QStringLiteral("\" nella cartella del Velistra.\nLe fotografie copiate fino a questo punto sono "
                                 "state conservate."),
              finestra);
      break;
    case EsitoFoto::ContatoreEsaurito:
      Esclama(QStringLiteral("Il contatore delle fotografie ha raggiunto il valore massimo.\n"
                             "Creare un nuovo Velistra per poter aggiungere altre fotografie."),
              finestra);
      break;
    case EsitoFoto::FormatoAssente:
      Critica(QStringLiteral("Il formato ") + risultato.formato +
                  QStringLiteral(" non è più disponibile nel listino: nessuna fotografia vi è stata aggiunta."),
              finestra);
      break;
  }
  return true;
}

void AvvisaCopiaEseguita(const QString& formato, int copiate, QWidget* finestra) {
  Informa((copiate > 0 ? QStringLiteral("Copia eseguita nel formato ")
                       : QStringLiteral("Nessuna fotografia è stata copiata nel formato ")) +
              formato + QStringLiteral("."),
          finestra);
}

void AvvisaSpostamentoEseguito(const QString& formato, QWidget* finestra) {
  Informa(QStringLiteral("Spostamento eseguito nel formato ") + formato + QStringLiteral("."), finestra);
}

void AvvisaCancellazioneEseguita(QWidget* finestra) { Informa(QStringLiteral("Cancellazione eseguita."), finestra); }

void AvvisaFotoNonAggiunte(const RisultatoOperazione& risultato, QWidget* finestra) {
  QStringList righe;
  if (!risultato.nonTrovate.isEmpty()) {
    QStringList percorsi;
    for (const QString& foto : risultato.nonTrovate) percorsi.append(QDir::toNativeSeparators(foto));
    righe.append(QStringLiteral("Non trovate: ") + percorsi.join(QStringLiteral(", ")));
  }
  if (!risultato.formatiNonOfferti.isEmpty())
    righe.append(QStringLiteral("Formati non più disponibili nel listino: ") +
                 risultato.formatiNonOfferti.join(QStringLiteral(", ")) +
                 QStringLiteral(". Le fotografie di questi formati non sono state aggiunte."));
  if (!righe.isEmpty()) Esclama(righe.join(u'\n'), finestra);
}

void AvvisaSalvataggio(EsitoSalvataggio esito, const PercorsiProgramma& percorsi, QWidget* finestra) {
  switch (esito) {
    case EsitoSalvataggio::Salvato: return;
    case EsitoSalvataggio::AlbumNonSalvato: return AvvisaAlbumNonSalvato(percorsi.PercorsoVelistraXML, finestra);
    case EsitoSalvataggio::ContatoreNonSalvato: return AvvisaImpostazioniNonSalvate(percorsi.PercorsoIni, finestra);
  }
}

void AvvisaNessunaCartella(QWidget* finestra) { Esclama(QStringLiteral("Nessuna cartella indicata."), finestra); }

bool ConfermaEliminazioneCartella(const QString& scelta, QWidget* finestra) {
  return Conferma(QStringLiteral("La directory '") + scelta +
                      QStringLiteral("' contiene già la directory 'Velistra'.\r\n"
                                     "Per continuare con l'operazione è necessario eliminarla.\r\n"
                                     "Procedere con l'eliminazione della directory?"),
                  finestra);
}

void AvvisaCartellaNonCreata(const QString& cartella, QWidget* finestra) {
  Critica(QStringLiteral("Impossibile creare la cartella\r\n'") + cartella +
              QStringLiteral("'.\r\nVerificare che la directory scelta esista e che sia possibile scriverci."),
          finestra);
}

void AvvisaOperazioneAnnullata(QWidget* finestra) { Informa(QStringLiteral("Operazione annullata."), finestra); }

bool AvvisaCartellaOrdine(const RisultatoCartella& risultato, const QString& cartella,
                          const PercorsiProgramma& percorsi, QWidget* finestra) {
  switch (risultato.esito) {
    case EsitoCartella::Creata:
      if (risultato.storicoNonSalvato) AvvisaStoricoNonSalvato(percorsi.PercorsoStorico, finestra);
      Informa(QStringLiteral("Creazione della cartella:\r\n'") + cartella +
                  QStringLiteral("' \r\n"
                                 "terminata con successo.\r\n"
                                 "(il nome della cartella contiene la data e l'ora di creazione indicate nel "
                                 "seguente formato:\r\n"
                                 "anno-mese-giorno-ore-minuti)"),
              finestra);
      return true;
    case EsitoCartella::AlbumVuoto: AvvisaVelistraSenzaFoto(finestra); break;
    case EsitoCartella::FotoRimossa:
      Informa(QStringLiteral("Una fotografia è stata rimossa dal disco.\r\n"
                             "Il Velistra diventa inconsistente e non è quindi possibile proseguire la "
                             "creazione.\r\n"
                             "Si raccomanda di creare un nuovo Velistra."),
              finestra);
      break;
    case EsitoCartella::ScritturaNonRiuscita:
      Critica(QStringLiteral("Impossibile scrivere \"") + risultato.nome + QStringLiteral("\" nella cartella\r\n'") +
                  risultato.dove +
                  QStringLiteral("'.\r\nVerificare che il disco non sia pieno o protetto da scrittura."),
              finestra);
      break;
    case EsitoCartella::Interrotta: break;
  }
  return false;
}

// The send

namespace {

struct MessaggioInvio {
  QString testo;
  IconaMessaggio icona;
  PulsantiMessaggio pulsanti = PulsantiMessaggio::OK;
  RispostaMessaggio predefinita = RispostaMessaggio::OK;
};

QString ContestoFTP(OperazioneFTP operazione) {
  switch (operazione) {
    case OperazioneFTP::Accesso:
      return QStringLiteral("InternetConnect");
    case OperazioneFTP::CreaCartella:
      return QStringLiteral("Errore di creazione della directory FTP");
    case OperazioneFTP::CambiaCartella:
      return QStringLiteral("rcd");
    case OperazioneFTP::InvioFile:
      return QStringLiteral("FtpPutFile");
  }
  return {};
}

MessaggioInvio Informazione(const QString& testo) { return {testo, IconaMessaggio::Informazione}; }
MessaggioInvio Esclamazione(const QString& testo) { return {testo, IconaMessaggio::Esclamazione}; }
MessaggioInvio Critica(const QString& testo) { return {testo, IconaMessaggio::Critica}; }

MessaggioInvio MessaggioDellInvio(const AvvisoInvio& avviso) {
  using Tipo = AvvisoInvio::Tipo;
  switch (avviso.tipo) {
    case Tipo::ConnessioneNonRiuscita:
      return Critica(QStringLiteral("Impossibile connettersi."));
    case Tipo::RispostaTroppoGrande:
      return Critica(QStringLiteral("La risposta del server supera la dimensione ammessa ed è stata scartata."));
    case Tipo::RispostaFTP:
      return {ContestoFTP(avviso.operazione) + QStringLiteral(" Extd Err: ") + QString::number(avviso.codice) + u' ' +
                  avviso.dettaglio,
              IconaMessaggio::Nessuna};
    case Tipo::CartellaFTPNonIndicata:
      return {QStringLiteral("Please enter the directory to CD"), IconaMessaggio::Nessuna};
    case Tipo::PasswordNelFile:
      return Informazione(QStringLiteral("La password è conservata nel file delle impostazioni del programma."));
    case Tipo::TLSNonOfferto:
      return Critica(QStringLiteral("Il server FTP del laboratorio non offre una connessione cifrata, richiesta dalle "
                                    "impostazioni: l'invio è stato interrotto."));
    case Tipo::AccessoFTPNonRiuscito:
      return Esclamazione(QStringLiteral("Errore durante l'accesso al server FTP (3)."));
    case Tipo::CartellaFTPNonCreata:
      return Esclamazione(QStringLiteral("Errore durante l'accesso al server FTP (1)."));
    case Tipo::FileNonInviato:
      return Esclamazione(QStringLiteral("Errore durante l'accesso al server FTP (2)."));
    case Tipo::AlbumNonRegistrato:
      return Esclamazione(QStringLiteral("Errore durante l'invio del Velistra (4)."));
    case Tipo::CartellaNonValida:
      return Critica(QStringLiteral("Il server ha indicato una cartella di invio non valida.\r\n"
                                    "Impossibile proseguire con l'invio del Velistra."));
    case Tipo::AlbumModificato:
      return Critica(QStringLiteral("Il file del Velistra è stato modificato.\r\n"
                                    "Impossibile proseguire con l'invio delle fotografie."));
    case Tipo::FileFuoriCartella:
      return Critica(QStringLiteral("Il Velistra ricevuto dal server indica un file che non si trova nella "
                                    "cartella di lavoro del programma.\r\n"
                                    "Impossibile proseguire con l'invio delle fotografie."));
    case Tipo::VelistraSenzaFoto:
      return Informazione(QStringLiteral("Nessuna fotografia inserita nel Velistra."));
    case Tipo::FotoRimossa:
      return Informazione(
          QStringLiteral("Una fotografia è stata rimossa dal disco.\r\n"
                         "Il Velistra diventa inconsistente e non è quindi possibile proseguire l'invio.\r\n"
                         "Sarà necessario avvisare il fotografo per l'eventuale storno dell'importo pagato.\r\n"
                         "Si raccomanda di creare un nuovo Velistra."));
    case Tipo::InterrottoDallUtente:
      return Informazione(QStringLiteral("Invio del Velistra interrotto dall'utente."));
    case Tipo::ErroriDuranteInvio:
      return Informazione(QStringLiteral("Ci sono stati degli errori durante l'invio del Velistra.\r\n"
                                         "E' possibile ritentare premendo il tasto di invio."));
    case Tipo::InvioInterrotto:
      return Informazione(QStringLiteral("E' stato interrotto l'invio del Velistra.\r\n"
                                         "Per riprendere l'invio da dove era stato lasciato, premere nuovamente il "
                                         "bottone."));
    case Tipo::InvioTerminato:
      return Informazione(
          QStringLiteral("Invio del Velistra terminato con successo.\r\nVerrà ora creato un nuovo Velistra."));
    case Tipo::Pagamento:
      return Informazione(QStringLiteral("Viene ora caricata la pagina per effettuare il pagamento.\r\n"
                                         "Una volta effettuato il pagamento ritornare a questa finestra e premere "
                                         "nuovamente il bottone per l'invio del Velistra."));
    case Tipo::ImportoTroppoBasso:
      return Esclamazione(QStringLiteral("L'importo è inferiore a 5 centesimi."));
    case Tipo::IndirizzoPagamentoNonValido:
      return Critica(QStringLiteral("L'indirizzo della pagina di pagamento ricevuto dal server non è valido."));
    case Tipo::ListinoNonValido:
      return Esclamazione(
          QStringLiteral("Impossibile aggiornare il prezziario: il server non ha inviato un listino valido."));
    case Tipo::PrezziarioAggiornato:
      return Informazione(QStringLiteral("Prezziario aggiornato."));
    case Tipo::ConfermaCancellazione:
      return {QStringLiteral("Il Velistra non è stato completamente inviato al server. Cancellando "
                             "l'operazione non sarà possibile ripristinare l'invio.\r\n"
                             "Inoltre, sarà necessario avvisare il fotografo per l'eventuale storno "
                             "dell'importo pagato.\r\nContinuare?"),
              IconaMessaggio::Domanda, PulsantiMessaggio::SiNo, RispostaMessaggio::No};
    case Tipo::VelistraEliminato:
      return Informazione(QStringLiteral("Il Velistra è stato eliminato dal server."));
    case Tipo::UsernameOspite:
      return Esclamazione(QStringLiteral("Impossibile inviare un Velistra con lo Username 'guest'."));
    case Tipo::AccessoNegato:
      return Esclamazione(QStringLiteral("Username o password non validi."));
    case Tipo::InvioNonTerminato:
      return Informazione(QStringLiteral(
          "L'invio del Velistra non è ancora terminato.\r\n"
          "L'applicazione verrà chiusa per evitare di perdere le informazioni relative al Velistra corrente.\r\n"
          "La prossima volta che verrà eseguito il programma verrà automaticamente aperta questa maschera per "
          "poter continuare con l'invio."));
    case Tipo::PrezziarioNonSalvato:
    case Tipo::ImpostazioniNonSalvate:
    case Tipo::StoricoNonSalvato:
      break;  // the saves' own messages
  }
  return {};
}

}  // namespace

RispostaMessaggio MostraAvvisoInvio(const AvvisoInvio& avviso, QWidget* proprietario) {
  switch (avviso.tipo) {
    case AvvisoInvio::Tipo::PrezziarioNonSalvato:
      AvvisaPrezziarioNonSalvato(avviso.dettaglio, proprietario);
      return RispostaMessaggio::OK;
    case AvvisoInvio::Tipo::ImpostazioniNonSalvate:
      AvvisaImpostazioniNonSalvate(avviso.dettaglio, proprietario);
      return RispostaMessaggio::OK;
    case AvvisoInvio::Tipo::StoricoNonSalvato:
      AvvisaStoricoNonSalvato(avviso.dettaglio, proprietario);
      return RispostaMessaggio::OK;
    default:
      break;
  }
  const MessaggioInvio messaggio = MessaggioDellInvio(avviso);
  return MsgBox(messaggio.testo, messaggio.icona, messaggio.pulsanti, messaggio.predefinita, proprietario);
}

void AvvisaVelistraSenzaFoto(QWidget* proprietario) {
  MostraAvvisoInvio({AvvisoInvio::Tipo::VelistraSenzaFoto}, proprietario);
}
