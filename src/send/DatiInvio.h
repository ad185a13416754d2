#pragma once
#include <QString>

#include "send/AccessoLaboratorio.h"
#include "settings/DatiImpostazioni.h"
#include "settings/PercorsiProgramma.h"

// The send window's connection fields as they stood when a command was pressed.
struct CredenzialiInvio {
  QString username;
  QString password;
  QString proxy;
  bool passivo = false;
};

// What every step of a send is handed: copies, never shared with the GUI thread.
struct ContestoInvio {
  DatiServer server;
  PercorsiProgramma percorsi;
  CredenzialiInvio credenziali;
  DatiAccesso accesso;
};

// The lab's transaction of an album: none when the id is empty.
struct Transazione {
  QString id;
  QString data;
  QString cartella;
};
