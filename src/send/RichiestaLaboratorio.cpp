#include "send/RichiestaLaboratorio.h"

#include "send/MessaggiErrore.h"
#include "settings/DatiImpostazioni.h"

RispostaWeb ChiediAlLaboratorio(const DatiServer& server, const QString& corpo, qint64 limite) {
  RispostaWeb risposta = InviaRichiestaWeb(server, corpo, true, limite);
  AvvisaErroreRichiesta(risposta);
  return risposta;
}
