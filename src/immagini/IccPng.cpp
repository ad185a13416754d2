#include "immagini/IccPng.h"

#include <QIODevice>
#include <QtEndian>

namespace {

const QByteArray kFirma("\x89PNG\r\n\x1a\n", 8);
constexpr int kTestaBlocco = 8;
constexpr int kCodaBlocco = 4;  // the CRC

// The chunk's body: the profile's name, a NUL, the compression method (0,
// zlib) and the zlib stream.
QByteArray Decomprimi(const QByteArray& corpo) {
  const qsizetype fineNome = corpo.indexOf('\0');
  if (fineNome < 0 || fineNome + 2 > corpo.size() || corpo[fineNome + 1] != 0) return {};
  const QByteArray flusso = corpo.mid(fineNome + 2);
  // qUncompress wants the size first; a guess too small is grown.
  QByteArray conMisura(4, '\0');
  qToBigEndian(static_cast<quint32>(flusso.size() * 4), conMisura.data());
  return qUncompress(conMisura + flusso);
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
    if (tipo == "IDAT" || tipo == "IEND") break;
    if (tipo == "iCCP") {
      icc = Decomprimi(dispositivo.read(lunghezza));
      break;
    }
    blocco += kTestaBlocco + qint64(lunghezza) + kCodaBlocco;
  }
  dispositivo.seek(inizio);
  return icc;
}
