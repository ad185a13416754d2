#include "immagini/IccPng.h"

// The chunk is only read: zlib takes it as const.
#define ZLIB_CONST
#include <zlib.h>

#include <QIODevice>
#include <QtEndian>
#include <array>

namespace {

const QByteArray kFirma("\x89PNG\r\n\x1a\n", 8);
constexpr int kTestaBlocco = 8;
constexpr int kCodaBlocco = 4;  // the CRC

// Past any profile in use: a bound for a damaged or hostile file.
constexpr qsizetype kMassimoIcc = 32 * 1024 * 1024;

// The chunk's body: the profile's name, a NUL, the compression method (0,
// zlib) and the zlib stream.
QByteArray Decomprimi(const QByteArray& corpo) {
  const qsizetype fineNome = corpo.indexOf('\0');
  if (fineNome < 0 || fineNome + 2 > corpo.size() || corpo[fineNome + 1] != 0) return {};
  z_stream flusso{};
  if (inflateInit(&flusso) != Z_OK) return {};
  flusso.next_in = reinterpret_cast<const Bytef*>(corpo.constData() + fineNome + 2);
  flusso.avail_in = static_cast<uInt>(corpo.size() - fineNome - 2);
  QByteArray icc;
  std::array<char, 64 * 1024> blocco;
  int esito = Z_OK;
  while (esito == Z_OK && icc.size() < kMassimoIcc) {
    flusso.next_out = reinterpret_cast<Bytef*>(blocco.data());
    flusso.avail_out = static_cast<uInt>(blocco.size());
    esito = inflate(&flusso, Z_NO_FLUSH);
    icc.append(blocco.data(), static_cast<qsizetype>(blocco.size() - flusso.avail_out));
  }
  inflateEnd(&flusso);
  return esito == Z_STREAM_END ? icc : QByteArray();
}

}  // namespace

QByteArray IccPng(QIODevice& dispositivo) {
  if (dispositivo.isSequential() || dispositivo.peek(kFirma.size()) != kFirma) return {};
  const qint64 inizio = dispositivo.pos();
  QByteArray icc;
  qint64 blocco = inizio + kFirma.size();
  // The profile comes before the pixels, if at all.
  while (dispositivo.seek(blocco)) {
    const QByteArray testa = dispositivo.read(kTestaBlocco);
    if (testa.size() < kTestaBlocco) break;
    const quint32 lunghezza = qFromBigEndian<quint32>(testa.constData());
    const QByteArray tipo = testa.mid(4);
    if (tipo == "IDAT" || tipo == "IEND" || lunghezza > dispositivo.size() - dispositivo.pos()) break;
    if (tipo == "iCCP") {
      icc = Decomprimi(dispositivo.read(lunghezza));
      break;
    }
    blocco += kTestaBlocco + qint64(lunghezza) + kCodaBlocco;
  }
  dispositivo.seek(inizio);
  return icc;
}
