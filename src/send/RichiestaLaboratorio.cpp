#include "send/RichiestaLaboratorio.h"

#include "common/DocumentoXML.h"
#include "settings/DatiImpostazioni.h"

RispostaWeb ChiediAlLaboratorio(const DatiServer& server, const QString& corpo, AvvisiInvio& avvisi,
                                qint64 limite) {
  RispostaWeb risposta = InviaRichiestaWeb(server, corpo, true, limite);
  AggiungiErroreRichiesta(risposta, avvisi);
  return risposta;
}

std::unique_ptr<DocumentoXML> DocumentoDalLaboratorio(const DatiServer& server, const QString& corpo,
                                                      AvvisiInvio& avvisi) {
  auto risposta = CreaDocumentoXML();
  risposta->caricaTesto(ChiediAlLaboratorio(server, corpo, avvisi).testo());
  return risposta;
}
