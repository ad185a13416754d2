// Base64 decoding of any text, and the round trip of any bytes.
#include "AmbienteFuzz.h"
#include "codecs/Base64Class.h"
#include "common/Ansi.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
  PreparaAmbienteFuzz();
  const QByteArray byte = ByteFuzz(dati, quanti);
  const Base64Class base64;
  const QByteArray decodificati = base64.DecodeToByteArray(DaAnsi(byte));
  VERIFICA_FUZZ(decodificati.size() <= byte.size() * 3 / 4 + 2);
  base64.DecodeToString(QString::fromUtf8(byte));

  // Text in the strict alphabet decodes as any other decoder would.
  const auto rigoroso = QByteArray::fromBase64Encoding(byte, QByteArray::AbortOnBase64DecodingErrors);
  if (rigoroso && byte.size() % 4 == 0) VERIFICA_FUZZ(decodificati == rigoroso.decoded);

  VERIFICA_FUZZ(base64.DecodeToByteArray(base64.EncodeByteArray(byte)) == byte);
  const QString testo = DaAnsi(byte);
  VERIFICA_FUZZ(base64.DecodeToString(base64.EncodeString(testo)) == testo);
  return 0;
}
