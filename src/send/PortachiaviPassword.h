#pragma once
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

// The lab password in the desktop keyring (the Secret Service, through
// QtKeychain), under the lab's address and the user name. Each call starts an
// asynchronous job and returns at once; the answer comes on the calling
// thread's event loop, and not at all once contesto is gone.

// fatto(password), or fatto(nullopt) when the keyring holds none or none answers.
void LeggiDalPortachiavi(const QString& laboratorio, const QString& utente, QObject* contesto,
                         std::function<void(std::optional<QString>)> fatto);
// fatto(true) once the keyring holds the password.
void SalvaNelPortachiavi(const QString& laboratorio, const QString& utente, const QString& password,
                         QObject* contesto, std::function<void(bool)> fatto);
