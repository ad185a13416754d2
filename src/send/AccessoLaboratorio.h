#pragma once
#include <QString>

#include "send/AvvisoInvio.h"

struct DatiServer;

// What the last login told about the user.
struct DatiAccesso {
  bool UtenteEsiste = false;
  bool UtenteConvenzionato = false;
  QString PasswordFTP;
};

// True when the user name, trimmed, is exactly "guest": the lab's shared
// account may read prices but never send an album.
bool UsernameOspite(const QString& username);

// What a login reply tells; a reply that cannot be read tells nothing.
DatiAccesso LeggiRispostaAccesso(QString risposta);

// Posts the login and reads its reply; a failed request reads as a refused
// login and adds its message to avvisi.
DatiAccesso AccediAlLaboratorio(const DatiServer& server, const QString& username, const QString& password,
                                AvvisiInvio& avvisi);
