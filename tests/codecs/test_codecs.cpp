#include <gtest/gtest.h>

#include <QProcess>
#include <QRandomGenerator>

#include "codecs/Base64Class.h"
#include "codecs/CMD5.h"
#include "common/Ansi.h"

namespace {

QByteArray EseguiStrumento(const QString& programma, const QStringList& argomenti, const QByteArray& ingresso) {
  QProcess processo;
  processo.start(programma, argomenti);
  processo.write(ingresso);
  processo.closeWriteChannel();
  processo.waitForFinished(10000);
  return processo.readAllStandardOutput();
}

QByteArray ByteCasuali(int quanti) {
  QByteArray byte(quanti, '\0');
  for (char& b : byte) b = static_cast<char>(QRandomGenerator::global()->bounded(256));
  return byte;
}

// A text whose characters' low bytes are the given bytes.
QString TestoDaByteBassi(const QByteArray& byte) {
  QString testo;
  for (const char b : byte) testo.append(QChar(static_cast<char16_t>(static_cast<unsigned char>(b))));
  return testo;
}

TEST(CMD5, MatchesTheRfc1321TestSuite) {
  const CMD5 md5;
  const std::pair<const char*, const char*> casi[] = {
      {"", "d41d8cd98f00b204e9800998ecf8427e"},
      {"a", "0cc175b9c0f1b6a831c399e269772661"},
      {"abc", "900150983cd24fb0d6963f7d28e17f72"},
      {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
      {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
       "d174ab98d277d9f5a5611c2c9f419d9f"},
      {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
       "57edf4a22be3c955ac49da2e2107b67a"}};
  for (const auto& [testo, atteso] : casi)
    EXPECT_EQ(md5.MD5(QString::fromLatin1(testo)), QString::fromLatin1(atteso)) << testo;
}

TEST(CMD5, TakesTheLowByteOfEveryCharacterAsMd5sumWould) {
  const CMD5 md5;
  EXPECT_EQ(md5.MD5(QStringLiteral("è")), md5.MD5Byte(QByteArray("\xE8")));
  // A character above 255 counts only with its low byte: U+20AC gives 0xAC.
  EXPECT_EQ(md5.MD5(QStringLiteral("€")), md5.MD5Byte(QByteArray("\xAC")));
  for (int lunghezza : {1, 55, 56, 63, 64, 65, 1000}) {
    const QByteArray byte = ByteCasuali(lunghezza);
    const QByteArray riga = EseguiStrumento(QStringLiteral("md5sum"), {}, byte);
    EXPECT_EQ(md5.MD5(TestoDaByteBassi(byte)), QString::fromLatin1(riga.left(32))) << lunghezza;
    EXPECT_EQ(md5.MD5Byte(byte), QString::fromLatin1(riga.left(32)));
  }
}

TEST(Base64Class, MatchesTheRfc4648VectorsBothWays) {
  const Base64Class b64;
  const std::pair<const char*, const char*> casi[] = {
      {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"}, {"foob", "Zm9vYg=="},
      {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"}};
  for (const auto& [testo, codificato] : casi) {
    EXPECT_EQ(b64.EncodeString(QString::fromLatin1(testo)), QString::fromLatin1(codificato));
    EXPECT_EQ(b64.DecodeToString(QString::fromLatin1(codificato)), QString::fromLatin1(testo));
  }
  EXPECT_EQ(b64.EncodeString(QString()), QString());
  EXPECT_EQ(b64.DecodeToByteArray(QString()), QByteArray());
  EXPECT_EQ(b64.EncodeString(QStringLiteral("è€")), b64.EncodeByteArray(QByteArray("\xE8\x80")));
}

// Lines of 76 with CR LF, and no break after the last one (57 and 114 bytes end
// exactly at a line's end).
TEST(Base64Class, AgreesWithTheBase64ToolOnceLineBreaksAreAccountedFor) {
  const Base64Class b64;
  for (int lunghezza : {1, 2, 3, 56, 57, 58, 114, 500, 4096}) {
    const QByteArray byte = ByteCasuali(lunghezza);
    const QByteArray strumento = EseguiStrumento(QStringLiteral("base64"), {QStringLiteral("-w76")}, byte);
    const QString nostro = b64.EncodeByteArray(byte);
    EXPECT_EQ(nostro, QString::fromLatin1(strumento).trimmed().replace(u'\n', QStringLiteral("\r\n")));
    EXPECT_EQ(b64.DecodeToByteArray(nostro), byte);
  }
}

TEST(Base64Class, DecodingDropsPaddingAndLineBreaksAndReadsForeignCharactersAsA) {
  const Base64Class b64;
  // A lone character after the last full group gives nothing.
  for (const auto& [codificato, testo] : {std::pair{"Zm8=", "fo"}, {"Zm8", "fo"}, {"Zm9v\r\nYmFy", "foobar"},
                                          {"Zm9vY", "foo"}})
    EXPECT_EQ(b64.DecodeToString(codificato), QString::fromLatin1(testo)) << codificato;
  // A space counts as "A" (0), so what follows is shifted, not rejected.
  EXPECT_EQ(b64.DecodeToByteArray(QStringLiteral("Zm9v Ymm")), b64.DecodeToByteArray(QStringLiteral("Zm9vAYmm")));
  EXPECT_EQ(b64.DecodeToByteArray(QStringLiteral("A\nA!")), QByteArray(3, '\0'));
  const QString lungo = b64.EncodeByteArray(QByteArray(200, 'q'));
  QString senzaRighe = lungo;
  senzaRighe.remove(QStringLiteral("\r\n"));
  EXPECT_EQ(b64.DecodeToByteArray(lungo), b64.DecodeToByteArray(senzaRighe));
}

}  // namespace
