#include "send/PasswordMemorizzata.h"

#include <QCoreApplication>
#include <utility>
#include <QPointer>

#include "codecs/Base64Class.h"
#include "common/CifraXOR.h"
#include "send/CodiciOperazione.h"
#include "send/PortachiaviPassword.h"
#include "settings/Impostazioni.h"

QString CodificaPassword(const QString& password) {
  if (password.isEmpty()) return {};
  return Base64Class().EncodeString(CifraXOR(password, ChiavePassword()));
}

QString DecodificaPassword(const QString& memorizzata) {
  if (memorizzata.isEmpty()) return {};
  return CifraXOR(Base64Class().DecodeToString(memorizzata), ChiavePassword());
}

bool SalvaConnessione(const PercorsiProgramma& percorsi, const QString& laboratorio,
                      DatiConnessione connessione, const QString& password, QObject* finestra,
                      std::function<void()> passwordNelFile) {
  connessione.PasswordMemorizzata = CodificaPassword(password);
  if (!Impostazioni(percorsi).ScriviConnessione(connessione)) return false;
  // The file is cleared even when the window has closed meanwhile.
  SalvaNelPortachiavi(laboratorio, connessione.Username, password, QCoreApplication::instance(),
                      [percorsi, connessione, finestra = QPointer<QObject>(finestra),
                       passwordNelFile = std::move(passwordNelFile)](bool nelPortachiavi) {
                        // Told with the window it concerns; a closed one tells at a later save.
                        if (!nelPortachiavi) {
                          static bool detto = false;
                          if (finestra && !std::exchange(detto, true)) passwordNelFile();
                          return;
                        }
                        const Impostazioni impostazioni(percorsi);
                        const DatiConnessione attuale = impostazioni.LeggiConnessione();
                        // A later save of other values is left as it is.
                        if (attuale.Username != connessione.Username ||
                            attuale.PasswordMemorizzata != connessione.PasswordMemorizzata)
                          return;
                        DatiConnessione senzaPassword = attuale;
                        senzaPassword.PasswordMemorizzata.clear();
                        impostazioni.ScriviConnessione(senzaPassword);
                      });
  return true;
}
