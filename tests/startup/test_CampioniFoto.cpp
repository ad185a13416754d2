#include <gtest/gtest.h>

#include <QDir>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

// The run command fills the folder tree with these samples: a missing tool or
// font must fail here, not on a user's first start.
TEST(CampioniFoto, TheSampleScriptWritesADozenReadablePhotos) {
  QTemporaryDir cartella;
  QProcess script;
  script.start(QStringLiteral(VELISTRA_PYTHON),
               {QStringLiteral(VELISTRA_SORGENTI "/tools/campioni_foto.py"), cartella.path()});
  ASSERT_TRUE(script.waitForFinished(120000));
  ASSERT_EQ(script.exitCode(), 0) << script.readAllStandardError().toStdString();
  const QStringList foto = QDir(cartella.path()).entryList(QDir::Files);
  EXPECT_EQ(foto.size(), 12);
  for (const QString& nome : foto) {
    QImageReader lettore(cartella.filePath(nome));
    EXPECT_FALSE(lettore.read().isNull()) << nome.toStdString() << ": " << lettore.errorString().toStdString();
  }
}
