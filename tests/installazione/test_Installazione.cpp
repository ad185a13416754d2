#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include "support/Attesa.h"
#include "support/CartellaProgrammaProva.h"

namespace {

const QString kPrefisso = QStringLiteral(VELISTRA_PREFISSO_PROVA "/");

// The installed program started from its menu entry's command by a user whose
// home holds nothing yet, on the offscreen platform.
class ProgrammaInstallato {
 public:
  ProgrammaInstallato() {
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("HOME"), casa_.path());
    ambiente.insert(QStringLiteral("XDG_CONFIG_HOME"), casa_.filePath(QStringLiteral(".config")));
    ambiente.insert(QStringLiteral("XDG_DATA_HOME"), casa_.filePath(QStringLiteral(".local/share")));
    ambiente.insert(QStringLiteral("XDG_CACHE_HOME"), casa_.filePath(QStringLiteral(".cache")));
    // The offscreen screen is 800 pixels wide unless told: too narrow to start.
    const QString schermo = casa_.filePath(QStringLiteral("schermo.json"));
    QFile configurazione(schermo);
    configurazione.open(QIODevice::WriteOnly);
    configurazione.write(R"({"screens": [{"name": "prova", "x": 0, "y": 0, "width": 1280, "height": 1024,
                             "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    configurazione.close();
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + schermo);
    processo_.setProcessEnvironment(ambiente);
    processo_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    processo_.start(kPrefisso + QStringLiteral("bin/velistra"), {});
  }
  ~ProgrammaInstallato() {
    processo_.kill();
    processo_.waitForFinished(10000);
  }
  QString Casa(const QString& nome) const { return casa_.filePath(nome); }
  // The main window's load marks the run as open in the settings and ends by
  // saving the album aligned with the catalogue; the window is shown next.
  bool FinestraMostrata() {
    const QString utente = Casa(QStringLiteral(".local/share/Velistra/"));
    return AttendiFinche([this, utente] {
      return processo_.state() == QProcess::Running && QFile::exists(utente + QStringLiteral("Velistra.xml")) &&
             QSettings(utente + QStringLiteral("Velistra.ini"), QSettings::IniFormat)
                     .value(QStringLiteral("Opzioni/ChiusuraOk"))
                     .toString() == QStringLiteral("0");
    });
  }

 private:
  QTemporaryDir casa_;
  QProcess processo_;
};

TEST(Installazione, TheFirstStartKeepsTheUsersFilesInTheHomeAndRegistersKelmora) {
  const QStringList installati = FileIn(kPrefisso + QStringLiteral("bin"));
  const QString forniti = kPrefisso + QStringLiteral(VELISTRA_INSTALL_DATI "/");
  ProgrammaInstallato programma;
  ASSERT_TRUE(programma.FinestraMostrata());

  const QString utente = programma.Casa(QStringLiteral(".local/share/Velistra/"));
  // The shipped files, the lock and the album: nothing else, no temporary file.
  QStringList attesi = FileIn(forniti) << QStringLiteral("Velistra.lock") << QStringLiteral("Velistra.xml");
  attesi.sort();
  EXPECT_EQ(FileIn(utente), attesi);
  EXPECT_TRUE(QFileInfo(utente + QStringLiteral("Velistra")).isDir());
  for (const QString& nome : {QStringLiteral("Formati.xml"), QStringLiteral("guida/frmScegliFoto.png")})
    EXPECT_EQ(LeggiFile(utente + nome), LeggiFile(forniti + nome)) << nome.toStdString();

  // The separator control comes from the installed library, through the
  // registry of this user only.
  const QSettings registro(programma.Casa(QStringLiteral(".config/Kelmora/RegistroComponenti.ini")),
                           QSettings::IniFormat);
  EXPECT_EQ(registro.value(QStringLiteral("Kelmora.KvSeparatore/Libreria")).toString(),
            kPrefisso + QStringLiteral(VELISTRA_INSTALL_LIBRERIE "/libKelmora.so"));
  EXPECT_EQ(FileIn(kPrefisso + QStringLiteral("bin")), installati);
}

}  // namespace
