#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "common/CopiaRapida.h"
#include "support/CartellaProgrammaProva.h"

namespace {

// The copy of a photo into the work folder: every byte, never over a file
// already there, nothing left behind when there is nothing to copy.
TEST(CopiaRapida, CopiesEveryByteOnlyToANewFile) {
  QTemporaryDir cartella;
  QByteArray foto(3 * 1024 * 1024 + 17, '\0');
  for (qsizetype i = 0; i < foto.size(); ++i) foto[i] = static_cast<char>(i * 7 % 251);
  const QString origine = cartella.filePath(QStringLiteral("foto.jpg"));
  ASSERT_TRUE(ScriviFile(origine, foto));
  const QString vuota = cartella.filePath(QStringLiteral("vuota.jpg"));
  ASSERT_TRUE(ScriviFile(vuota, {}));

  const QString copia = cartella.filePath(QStringLiteral("copia.jpg"));
  ASSERT_TRUE(CopiaRapida(origine, copia));
  EXPECT_EQ(LeggiFile(copia), foto);
  ASSERT_TRUE(CopiaRapida(vuota, cartella.filePath(QStringLiteral("copia_vuota.jpg"))));
  EXPECT_TRUE(QFile::exists(cartella.filePath(QStringLiteral("copia_vuota.jpg"))));

  ASSERT_TRUE(ScriviFile(copia, "altro"));
  EXPECT_FALSE(CopiaRapida(origine, copia));
  EXPECT_EQ(LeggiFile(copia), "altro");
  const QString mancante = cartella.filePath(QStringLiteral("mancante.jpg"));
  EXPECT_FALSE(CopiaRapida(mancante, cartella.filePath(QStringLiteral("nuova.jpg"))));
  EXPECT_FALSE(QFile::exists(cartella.filePath(QStringLiteral("nuova.jpg"))));
  EXPECT_FALSE(CopiaRapida(cartella.path(), cartella.filePath(QStringLiteral("da_cartella.jpg"))));
  EXPECT_FALSE(QFile::exists(cartella.filePath(QStringLiteral("da_cartella.jpg"))));
}

}  // namespace
