#include "send/PasswordMemorizzata.h"

#include "codecs/Base64Class.h"
#include "common/CifraXOR.h"
#include "send/CodiciOperazione.h"

QString CodificaPassword(const QString& password) {
  if (password.isEmpty()) return {};
  return Base64Class().EncodeString(CifraXOR(password, ChiavePassword()));
}

QString DecodificaPassword(const QString& memorizzata) {
  if (memorizzata.isEmpty()) return {};
  return CifraXOR(Base64Class().DecodeToString(memorizzata), ChiavePassword());
}
