#include "send/PasswordMemorizzata.h"

#include <QCoreApplication>
#include <utility>
#include <QPointer>
#include <QWidget>

#include "codecs/Base64Class.h"
#include "common/CifraXOR.h"
#include "common/Piattaforma.h"
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

namespace {

void AvvisaPasswordNelFile(QWidget* finestra) {
  static bool detto = false;
  if (std::exchange(detto, true)) return;
  MsgBox(QStringLiteral("La password è conservata nel file delle impostazioni del programma."),
         IconaMessaggio::Informazione, PulsantiMessaggio::OK, finestra);
}

}  // namespace

bool SalvaConnessione(const PercorsiProgramma& percorsi, const QString& laboratorio,
                      DatiConnessione connessione, const QString& password, QWidget* finestra) {
  connessione.PasswordMemorizzata = CodificaPassword(password);
  if (!Impostazioni(percorsi).ScriviConnessione(connessione)) return false;
  // The file is cleared even when the window has closed meanwhile.
  SalvaNelPortachiavi(laboratorio, connessione.Username, password, QCoreApplication::instance(),
                      [percorsi, connessione, finestra = QPointer<QWidget>(finestra)](bool nelPortachiavi) {
                        // Told with the window it concerns; a closed one tells at a later save.
                        if (!nelPortachiavi) {
                          if (finestra) AvvisaPasswordNelFile(finestra);
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
