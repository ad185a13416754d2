#pragma once
#include <QString>

#include "settings/DatiImpostazioni.h"
#include "settings/PercorsiProgramma.h"

class QWidget;

// The password as "VelistraFTP.ini" holds it: combined with the program's key by
// exclusive or, then Base64. An empty password stays empty.
QString CodificaPassword(const QString& password);
QString DecodificaPassword(const QString& memorizzata);

// Saves the connection settings at once, the password scrambled in the file as
// older versions kept it; then hands the password to the desktop keyring under
// the lab's address and the user name and, once the keyring holds it, writes
// the file's value empty (a password found in the file moves there at the next
// save). When no keyring answers the scrambled value stays and the customer is
// told so over the window, if it is still open, once a run. Returns the result
// of the file's write.
bool SalvaConnessione(const PercorsiProgramma& percorsi, const QString& laboratorio,
                      DatiConnessione connessione, const QString& password, QWidget* finestra);
