#include "codecs/Base64Class.h"

#include <array>

#include "common/Ansi.h"

namespace {

constexpr int kLunghezzaRiga = 76;

constexpr std::array<unsigned char, 256> TabellaDecodifica() {
  std::array<unsigned char, 256> tabella{};
  constexpr char alfabeto[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  for (int i = 0; i < 64; ++i) tabella[static_cast<unsigned char>(alfabeto[i])] = static_cast<unsigned char>(i);
  return tabella;
}

constexpr auto kDecodifica = TabellaDecodifica();

}  // namespace

QString Base64Class::EncodeString(const QString& Text) const {
  return EncodeByteArray(InAnsi(Text));
}

QString Base64Class::EncodeByteArray(const QByteArray& byte) const {
  const QByteArray semplice = byte.toBase64();
  QByteArray risultato;
  risultato.reserve(semplice.size() + semplice.size() / kLunghezzaRiga * 2);
  for (qsizetype i = 0; i < semplice.size(); i += kLunghezzaRiga) {
    if (i > 0) risultato.append("\r\n");
    risultato.append(semplice.mid(i, kLunghezzaRiga));
  }
  return QString::fromLatin1(risultato);
}

QByteArray Base64Class::DecodeToByteArray(const QString& EncodedText) const {
  QString pulito = EncodedText;
  pulito.remove(QStringLiteral("\r\n"));
  pulito.remove(u'=');
  const QByteArray caratteri = InAnsi(pulito);
  QByteArray risultato;
  risultato.reserve(caratteri.size() * 3 / 4 + 3);
  const auto valore = [&](qsizetype i) {
    return static_cast<unsigned>(kDecodifica[static_cast<unsigned char>(caratteri[i])]);
  };
  qsizetype i = 0;
  for (; i + 4 <= caratteri.size(); i += 4) {
    const unsigned gruppo = valore(i) << 18 | valore(i + 1) << 12 | valore(i + 2) << 6 | valore(i + 3);
    risultato.append(static_cast<char>(gruppo >> 16));
    risultato.append(static_cast<char>(gruppo >> 8 & 0xFF));
    risultato.append(static_cast<char>(gruppo & 0xFF));
  }
  const qsizetype resto = caratteri.size() - i;
  if (resto >= 2) {
    const unsigned gruppo = valore(i) << 18 | valore(i + 1) << 12 | (resto == 3 ? valore(i + 2) << 6 : 0);
    risultato.append(static_cast<char>(gruppo >> 16));
    if (resto == 3) risultato.append(static_cast<char>(gruppo >> 8 & 0xFF));
  }
  return risultato;
}

QString Base64Class::DecodeToString(const QString& EncodedText) const {
  return DaAnsi(DecodeToByteArray(EncodedText));
}
