#include "send/AccessoLaboratorio.h"

#include "common/DocumentoXML.h"
#include "send/CodiciOperazione.h"
#include "send/LetturaRisposta.h"
#include "send/ModuliRichiesta.h"
#include "send/RichiestaLaboratorio.h"

bool UsernameOspite(const QString& username) {
  return username.trimmed() == QStringLiteral("guest");
}

DatiAccesso LeggiRispostaAccesso(QString risposta) {
  risposta.remove(QStringLiteral("\r\n"));
  auto documento = CreaDocumentoXML();
  documento->caricaTesto(risposta);
  DatiAccesso dati;
  LeggiRispostaBool(*documento, QStringLiteral("/xml/utente/esiste"), dati.UtenteEsiste);
  LeggiRispostaBool(*documento, QStringLiteral("/xml/utente/convenzionato"), dati.UtenteConvenzionato);
  LeggiRispostaTesto(*documento, QStringLiteral("/xml/utente/passwd_ftp"), dati.PasswordFTP);
  return dati;
}

DatiAccesso AccediAlLaboratorio(const DatiServer& server, const QString& username, const QString& password,
                                AvvisiInvio& avvisi) {
  return LeggiRispostaAccesso(
      ChiediAlLaboratorio(server, creaDatiPostM(username, password, f_K_HTTPS_LOGIN()), avvisi).testo());
}
