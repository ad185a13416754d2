#pragma once
#include <QByteArray>
#include <QString>

// MD5 digests as 32 lower-case hexadecimal digits.
class CMD5 {
 public:
  // Digest of a text: one byte per character, the low eight bits of its code.
  QString MD5(const QString& sMessage) const;
  // Digest of bytes exactly as they are (a server reply as it arrived).
  QString MD5Byte(const QByteArray& byte) const;
};
