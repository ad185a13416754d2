#pragma once
#include <QString>

#include "common/RichiestaWeb.h"

struct DatiServer;

// One request of the send path to the lab's address; a failure is told to the
// user here, and the reply then reads as an empty document.
RispostaWeb ChiediAlLaboratorio(const DatiServer& server, const QString& corpo,
                                qint64 limite = RichiestaWeb::kLimiteRisposta);
