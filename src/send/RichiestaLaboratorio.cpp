#include "send/RichiestaLaboratorio.h"

#include "send/MessaggiErrore.h"
#include "settings/ValoriProgramma.h"

RispostaWeb ChiediAlLaboratorio(const QString& corpo, qint64 limite) {
  RispostaWeb risposta = InviaRichiestaWeb(Programma(), corpo, true, limite);
  AvvisaErroreRichiesta(risposta);
  return risposta;
}
