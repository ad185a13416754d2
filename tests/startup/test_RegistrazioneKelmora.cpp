#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include "controls/KelmoraComponente.h"
#include "startup/RegistrazioneKelmora.h"

namespace {

// Always the same path: the library, once loaded, names itself by the path of
// its first load.
const QString kLibreria = QFileInfo(QStringLiteral(KELMORA_LIBRERIA)).absoluteFilePath();

// A user of the test's own: a temporary configuration folder, so the registry
// of the test run is left alone.
class RegistrazioneKelmora : public ::testing::Test {
 protected:
  void SetUp() override { qputenv("XDG_CONFIG_HOME", configurazione_.path().toLocal8Bit()); }
  void TearDown() override { qputenv("XDG_CONFIG_HOME", precedente_); }

  static QString Registrata(const char* classe = kNomeKvSeparatore) {
    const QSettings registro(PercorsoRegistroComponenti(), QSettings::IniFormat);
    return registro.value(QString::fromLatin1(classe) + QStringLiteral("/Libreria")).toString();
  }
  static void Registra(const QString& libreria) {
    QSettings registro(PercorsoRegistroComponenti(), QSettings::IniFormat);
    registro.setValue(QString::fromLatin1(kNomeKvSeparatore) + QStringLiteral("/Libreria"), libreria);
  }

  const QByteArray precedente_ = qgetenv("XDG_CONFIG_HOME");
  QTemporaryDir configurazione_;
};

TEST_F(RegistrazioneKelmora, AMissingClassIsRegisteredInTheUsersOwnRegistry) {
  EXPECT_TRUE(RegistraKelmoraSeManca(kLibreria));
  EXPECT_TRUE(PercorsoRegistroComponenti().startsWith(configurazione_.path()));
  EXPECT_EQ(Registrata(), kLibreria);
  EXPECT_EQ(Registrata(kNomeKvContenitore), kLibreria);
}

TEST_F(RegistrazioneKelmora, AnEntryOfAnExistingLibraryIsKeptAndOneOfAVanishedLibraryReplaced) {
  const QString propria = configurazione_.filePath(QStringLiteral("libKelmora-utente.so"));
  ASSERT_TRUE(QFile::link(kLibreria, propria));
  Registra(propria);
  EXPECT_TRUE(RegistraKelmoraSeManca(kLibreria));
  EXPECT_EQ(Registrata(), propria);

  // Say a build folder registered by hand and deleted since.
  Registra(configurazione_.filePath(QStringLiteral("cancellata/libKelmora.so")));
  EXPECT_TRUE(RegistraKelmoraSeManca(kLibreria));
  EXPECT_EQ(Registrata(), kLibreria);
}

TEST_F(RegistrazioneKelmora, WithoutTheInstalledLibraryNothingIsWritten) {
  EXPECT_FALSE(RegistraKelmoraSeManca(configurazione_.filePath(QStringLiteral("lib/libKelmora.so"))));
  EXPECT_FALSE(QFile::exists(PercorsoRegistroComponenti()));
}

}  // namespace
