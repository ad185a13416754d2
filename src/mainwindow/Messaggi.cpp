#include "mainwindow/Messaggi.h"

#include "windows/AvvisoSalvataggio.h"

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
