#pragma once
#include <QByteArray>
#include <QString>

// Base64 with the standard alphabet and "=" padding; encoded text is broken into
// lines of 76 characters by CR LF. Decoding never fails: CR LF pairs and "=" are
// dropped and any other character outside the alphabet counts as "A".
class Base64Class {
 public:
  QString EncodeString(const QString& Text) const;  // Text in Windows-1252 bytes
  QString EncodeByteArray(const QByteArray& byte) const;
  QByteArray DecodeToByteArray(const QString& EncodedText) const;
  QString DecodeToString(const QString& EncodedText) const;  // bytes as Windows-1252
};
