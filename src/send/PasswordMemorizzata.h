#pragma once
#include <QObject>
#include <QString>
#include <functional>

#include "settings/DatiImpostazioni.h"
#include "settings/PercorsiProgramma.h"

// The password as "VelistraFTP.ini" holds it: combined with the program's key by
// exclusive or, then Base64. An empty password stays empty.
QString CodificaPassword(const QString& password);
QString DecodificaPassword(const QString& memorizzata);

// Saves the connection settings at once, the password scrambled in the file as
// older versions kept it; then hands the password to the desktop keyring under
// the lab's address and the user name and, once the keyring holds it, writes
// the file's value empty (a password found in the file moves there at the next
// save). When no keyring answers the scrambled value stays and passwordNelFile
// runs, once a run and only while finestra lives, so that the customer is told.
// Returns the result of the file's write.
bool SalvaConnessione(const PercorsiProgramma& percorsi, const QString& laboratorio,
                      DatiConnessione connessione, const QString& password, QObject* finestra,
                      std::function<void()> passwordNelFile);
