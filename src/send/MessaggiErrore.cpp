#include "send/MessaggiErrore.h"

#include "windows/Piattaforma.h"
#include "common/RichiestaWeb.h"
#include "send/SessioneFTP.h"

void AvvisaErroreRichiesta(const RispostaWeb& risposta) {
  switch (risposta.errore) {
    case ErroreRichiesta::Nessuno:
      return;
    case ErroreRichiesta::TroppoGrande:
      MsgBox(QStringLiteral("La risposta del server supera la dimensione ammessa ed è stata scartata."),
             IconaMessaggio::Critica);
      return;
    case ErroreRichiesta::NessunOggetto:
    case ErroreRichiesta::ConnessioneRifiutata:
    case ErroreRichiesta::TempoScaduto:
    case ErroreRichiesta::Certificato:
    case ErroreRichiesta::Altro:
      MsgBox(QStringLiteral("Impossibile connettersi."), IconaMessaggio::Critica);
      return;
  }
}

namespace {

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

}  // namespace

void AvvisaErroreFTP(OperazioneFTP operazione, const EsitoFTP& esito) {
  if (esito.errore == ErroreFTP::CartellaVuota) {
    MsgBox(QStringLiteral("Please enter the directory to CD"), IconaMessaggio::Nessuna);
    return;
  }
  if (esito.riuscito() || esito.codice < 400) return;
  MsgBox(ContestoFTP(operazione) + QStringLiteral(" Extd Err: ") + QString::number(esito.codice) + u' ' +
             esito.risposta,
         IconaMessaggio::Nessuna);
}

void AvvisaInvioFileNonRiuscito() {
  MsgBox(QStringLiteral("Errore durante l'accesso al server FTP (2)."), IconaMessaggio::Esclamazione);
}

void AvvisaVelistraSenzaFoto(QWidget* proprietario) {
  MsgBox(QStringLiteral("Nessuna fotografia inserita nel Velistra."), IconaMessaggio::Informazione,
         PulsantiMessaggio::OK, proprietario);
}
