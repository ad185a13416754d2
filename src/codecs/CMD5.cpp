#include "codecs/CMD5.h"

#include <QCryptographicHash>

QString CMD5::MD5(const QString& sMessage) const {
  QByteArray byte(sMessage.size(), '\0');
  for (qsizetype i = 0; i < sMessage.size(); ++i)
    byte[i] = static_cast<char>(sMessage.at(i).unicode() & 0xFF);
  return MD5Byte(byte);
}

QString CMD5::MD5Byte(const QByteArray& byte) const {
  return QString::fromLatin1(QCryptographicHash::hash(byte, QCryptographicHash::Md5).toHex());
}

void MD5Progressivo::Aggiungi(const char* dati, std::size_t n) {
  md5_.addData(QByteArrayView(dati, static_cast<qsizetype>(n)));
}

QByteArray MD5Progressivo::Risultato() const { return md5_.result(); }
