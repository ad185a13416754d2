#include "send/RichiestaLaboratorio.h"

#include "send/MessaggiErrore.h"
#include "startup/ValoriProgramma.h"

RispostaWeb ChiediAlLaboratorio(const QString& corpo, qint64 limite) {
  const ValoriProgramma& v = Programma();
  RispostaWeb risposta = InviaRichiestaWeb(v.DatiFTPBase + v.DatiFTPPrezzi, corpo, true, limite);
  AvvisaErroreRichiesta(risposta);
  return risposta;
}
