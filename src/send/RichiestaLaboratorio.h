#pragma once
#include <QString>
#include <memory>

#include "send/AvvisoInvio.h"
#include "send/RichiestaWeb.h"

class DocumentoXML;
struct DatiServer;

// One request of the send path to the lab's address; a failure adds its
// message to avvisi, and the reply then reads as an empty document.
RispostaWeb ChiediAlLaboratorio(const DatiServer& server, const QString& corpo, AvvisiInvio& avvisi,
                                qint64 limite = RichiestaWeb::kLimiteRisposta);
// The same, with the reply read as an XML document.
std::unique_ptr<DocumentoXML> DocumentoDalLaboratorio(const DatiServer& server, const QString& corpo,
                                                      AvvisiInvio& avvisi);
