#include "send/AvvisoInvio.h"

#include "send/RichiestaWeb.h"
#include "send/SessioneFTP.h"

void AggiungiErroreRichiesta(const RispostaWeb& risposta, AvvisiInvio& avvisi) {
  switch (risposta.errore) {
    case ErroreRichiesta::Nessuno:
      return;
    case ErroreRichiesta::TroppoGrande:
      avvisi.append({AvvisoInvio::Tipo::RispostaTroppoGrande});
      return;
    case ErroreRichiesta::NessunOggetto:
    case ErroreRichiesta::ConnessioneRifiutata:
    case ErroreRichiesta::TempoScaduto:
    case ErroreRichiesta::Certificato:
    case ErroreRichiesta::Altro:
      avvisi.append({AvvisoInvio::Tipo::ConnessioneNonRiuscita});
      return;
  }
}

void AggiungiErroreFTP(OperazioneFTP operazione, const EsitoFTP& esito, AvvisiInvio& avvisi) {
  if (esito.errore == ErroreFTP::CartellaVuota) {
    avvisi.append({AvvisoInvio::Tipo::CartellaFTPNonIndicata});
    return;
  }
  if (esito.errore == ErroreFTP::TLSNonOfferto) {
    avvisi.append({AvvisoInvio::Tipo::TLSNonOfferto});
    return;
  }
  if (esito.riuscito() || esito.codice < 400) return;
  avvisi.append({AvvisoInvio::Tipo::RispostaFTP, esito.risposta, operazione, esito.codice});
}
