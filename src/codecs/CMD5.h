#pragma once
#include <QByteArray>
#include <QCryptographicHash>
#include <QString>
#include <cstddef>

// MD5 digests as 32 lower-case hexadecimal digits.
class CMD5 {
 public:
  // Digest of a text: one byte per character, the low eight bits of its code.
  QString MD5(const QString& sMessage) const;
  // Digest of bytes exactly as they are (a server reply as it arrived).
  QString MD5Byte(const QByteArray& byte) const;
};

// The MD5 digest of bytes that arrive a block at a time (a file while it is
// copied), so that they are read once.
class MD5Progressivo {
 public:
  void Aggiungi(const char* dati, std::size_t n);
  // The 16 bytes of the digest of everything added so far.
  QByteArray Risultato() const;

 private:
  QCryptographicHash md5_{QCryptographicHash::Md5};
};
