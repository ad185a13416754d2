#include "common/Ansi.h"

#include <array>

namespace {

// Characters of the bytes 0x80..0x9F; the others equal their Latin-1 code.
constexpr std::array<char16_t, 32> kAltaTabella = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

QChar CarattereAnsi(unsigned char codice) {
  if (codice >= 0x80 && codice <= 0x9F) return QChar(kAltaTabella[codice - 0x80]);
  return QChar(static_cast<char16_t>(codice));
}

unsigned char CodiceAnsi(QChar carattere) {
  const char16_t u = carattere.unicode();
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<unsigned char>(u);
  for (std::size_t i = 0; i < kAltaTabella.size(); ++i)
    if (kAltaTabella[i] == u) return static_cast<unsigned char>(0x80 + i);
  return '?';
}

QByteArray InAnsi(const QString& testo) {
  QByteArray risultato;
  risultato.reserve(testo.size());
  for (qsizetype i = 0; i < testo.size(); ++i) {
    const QChar c = testo.at(i);
    // A surrogate pair is one character outside the code page: one "?".
    if (c.isHighSurrogate() && i + 1 < testo.size() && testo.at(i + 1).isLowSurrogate()) ++i;
    risultato.append(static_cast<char>(CodiceAnsi(c)));
  }
  return risultato;
}

QString DaAnsi(const QByteArray& byte) {
  QString risultato;
  risultato.reserve(byte.size());
  for (const char b : byte) risultato.append(CarattereAnsi(static_cast<unsigned char>(b)));
  return risultato;
}
