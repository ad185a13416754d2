#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>

#include "windows/ControlloPerNome.h"
#include "controls/KelmoraComponente.h"
#include "controls/KvContenitore.h"
#include "controls/KvSeparatore.h"
#include "support/CartellaProgrammaProva.h"
#include "support/PiattaformaFinta.h"

namespace {

const QString kLibreria = QFileInfo(QStringLiteral(KELMORA_LIBRERIA)).canonicalFilePath();

// A component registry of the test's own, in a temporary configuration folder,
// with the library's four entries resolved by name as a host does.
class Registrazione : public ::testing::Test {
 protected:
  void SetUp() override {
    precedente_ = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", configurazione_.path().toLocal8Bit());
    ASSERT_TRUE(libreria_.load()) << libreria_.errorString().toStdString();
    registra_ = reinterpret_cast<FunzioneDllRegisterServer>(libreria_.resolve("DllRegisterServer"));
    annulla_ = reinterpret_cast<FunzioneDllUnregisterServer>(libreria_.resolve("DllUnregisterServer"));
    classe_ = reinterpret_cast<FunzioneDllGetClassObject>(libreria_.resolve("DllGetClassObject"));
    scaricabile_ = reinterpret_cast<FunzioneDllCanUnloadNow>(libreria_.resolve("DllCanUnloadNow"));
    ASSERT_TRUE(registra_ && annulla_ && classe_ && scaricabile_);
  }
  void TearDown() override { qputenv("XDG_CONFIG_HOME", precedente_); }

  QString Voce(const char* nome, const char* chiave) const {
    QSettings registro(PercorsoRegistroComponenti(), QSettings::IniFormat);
    return registro.value(QString::fromLatin1(nome) + u'/' + QString::fromLatin1(chiave)).toString();
  }

  QTemporaryDir configurazione_;
  QByteArray precedente_;
  QLibrary libreria_{kLibreria};
  FunzioneDllRegisterServer registra_ = nullptr;
  FunzioneDllUnregisterServer annulla_ = nullptr;
  FunzioneDllGetClassObject classe_ = nullptr;
  FunzioneDllCanUnloadNow scaricabile_ = nullptr;
};

const QString kNonCreabile = QStringLiteral(
    "Impossibile creare il controllo Kelmora.KvSeparatore: la libreria dei controlli Kelmora "
    "non è registrata e non si trova nella cartella del programma.");

TEST_F(Registrazione, RegisterCreateByNameUnloadAndUnregister) {
  CartellaProgrammaProva programma;  // without the library beside it
  PiattaformaFinta finta;
  ASSERT_EQ(registra_(), KV_S_OK);
  EXPECT_TRUE(PercorsoRegistroComponenti().startsWith(configurazione_.path()));
  EXPECT_EQ(Voce(kNomeKvSeparatore, kChiaveClsid), QString::fromLatin1(kClsidKvSeparatore));
  EXPECT_EQ(Voce(kNomeKvContenitore, kChiaveClsid), QString::fromLatin1(kClsidKvContenitore));
  EXPECT_EQ(QFileInfo(Voce(kNomeKvSeparatore, kChiaveLibreria)).canonicalFilePath(), kLibreria);
  EXPECT_EQ(Voce(kNomeKvContenitore, kChiaveDescrizione), QStringLiteral("Raccolta di controlli"));

  ASSERT_EQ(scaricabile_(), KV_S_OK);
  QWidget finestra;
  std::unique_ptr<QWidget> separatore(CreaControlloPerNome(QStringLiteral("Kelmora.KvSeparatore"), programma.percorsi(), &finestra));
  ASSERT_TRUE(separatore);
  auto* kv = qobject_cast<KvSeparatore*>(separatore.get());
  ASSERT_TRUE(kv);
  EXPECT_EQ(kv->parentWidget(), &finestra);
  EXPECT_EQ(separatore->property("Caption").toString(), QStringLiteral("Testo"));
  separatore->setProperty("Caption", QStringLiteral("Fotografie: 3"));
  EXPECT_EQ(kv->Caption(), QStringLiteral("Fotografie: 3"));

  std::unique_ptr<QWidget> contenitore(CreaControlloPerNome(QStringLiteral("Kelmora.KvContenitore"), programma.percorsi(), &finestra));
  ASSERT_TRUE(qobject_cast<KvContenitore*>(contenitore.get()));
  EXPECT_EQ(contenitore->property("Stile").toInt(), 2);

  EXPECT_EQ(scaricabile_(), KV_S_FALSE);
  separatore.reset();
  EXPECT_EQ(scaricabile_(), KV_S_FALSE);
  contenitore.reset();
  EXPECT_EQ(scaricabile_(), KV_S_OK);
  EXPECT_TRUE(finta.messaggi().isEmpty());

  ASSERT_EQ(annulla_(), KV_S_OK);
  EXPECT_TRUE(Voce(kNomeKvSeparatore, kChiaveClsid).isEmpty());
  EXPECT_TRUE(Voce(kNomeKvContenitore, kChiaveLibreria).isEmpty());
  EXPECT_EQ(CreaControlloPerNome(QStringLiteral("Kelmora.KvSeparatore"), programma.percorsi(), &finestra), nullptr);
  ASSERT_EQ(finta.testi(), QStringList{kNonCreabile});
  EXPECT_EQ(finta.messaggi()[0].icona, IconaMessaggio::Critica);
  EXPECT_TRUE(finestra.findChildren<QWidget*>().isEmpty());
}

TEST_F(Registrazione, WithoutARegistrationTheLibraryBesideTheProgramIsUsed) {
  CartellaProgrammaProva programma;
  PiattaformaFinta finta;
  // A link: the same library file, so the same loaded library.
  ASSERT_TRUE(QFile::link(kLibreria, programma.file(QStringLiteral("libKelmora.so"))));
  QWidget finestra;
  EXPECT_TRUE(qobject_cast<KvSeparatore*>(CreaControlloPerNome(QStringLiteral("Kelmora.KvSeparatore"), programma.percorsi(), &finestra)));

  // A registration naming a library that is gone falls back the same way.
  {
    QSettings registro(PercorsoRegistroComponenti(), QSettings::IniFormat);
    registro.setValue(QStringLiteral("Kelmora.KvSeparatore/CLSID"), QString::fromLatin1(kClsidKvSeparatore));
    registro.setValue(QStringLiteral("Kelmora.KvSeparatore/Libreria"), programma.file(QStringLiteral("sparita.so")));
  }
  EXPECT_TRUE(qobject_cast<KvSeparatore*>(CreaControlloPerNome(QStringLiteral("Kelmora.KvSeparatore"), programma.percorsi(), &finestra)));
  EXPECT_TRUE(finta.messaggi().isEmpty());

  // A name the library does not offer is refused with the message.
  EXPECT_EQ(CreaControlloPerNome(QStringLiteral("Kelmora.KvSconosciuto"), programma.percorsi(), &finestra), nullptr);
  ASSERT_EQ(finta.messaggi().size(), 1);
  EXPECT_TRUE(finta.messaggi()[0].testo.startsWith(QStringLiteral("Impossibile creare il controllo Kelmora.KvSconosciuto:")));
}

TEST_F(Registrazione, TheClassObjectRefusesWhatItDoesNotKnowAndKeepsTheLibraryInUse) {
  void* oggetto = reinterpret_cast<void*>(1);
  EXPECT_EQ(classe_("{00000000-0000-0000-0000-000000000000}", kIidFabbricaControlli, &oggetto),
            KV_CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(oggetto, nullptr);
  EXPECT_EQ(classe_(kClsidKvSeparatore, "{00000000-0000-0000-0000-000000000000}", &oggetto), KV_E_NOINTERFACE);
  EXPECT_EQ(classe_(kClsidKvSeparatore, kIidFabbricaControlli, nullptr), KV_E_POINTER);
  EXPECT_EQ(classe_(nullptr, kIidFabbricaControlli, &oggetto), KV_E_POINTER);

  ASSERT_EQ(classe_("{CF9D8CE7-1499-48E5-B9D0-EBD2C8490CFE}", kIidFabbricaControlli, &oggetto), KV_S_OK);
  auto* fabbrica = static_cast<IKvFabbricaControlli*>(oggetto);
  EXPECT_EQ(scaricabile_(), KV_S_FALSE);
  EXPECT_EQ(fabbrica->CreaIstanza(nullptr, nullptr), KV_E_POINTER);
  fabbrica->BloccaServer(true);
  fabbrica->Rilascia();
  EXPECT_EQ(scaricabile_(), KV_S_FALSE);  // still locked

  ASSERT_EQ(classe_(kClsidKvSeparatore, kIidFabbricaControlli, &oggetto), KV_S_OK);
  fabbrica = static_cast<IKvFabbricaControlli*>(oggetto);
  fabbrica->BloccaServer(false);
  fabbrica->Rilascia();
  EXPECT_EQ(scaricabile_(), KV_S_OK);
}

TEST_F(Registrazione, TheCommandLineToolRegistersAndUnregisters) {
  auto esegui = [&](const QStringList& argomenti, QString* uscita = nullptr) {
    QProcess strumento;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("XDG_CONFIG_HOME"), configurazione_.path());
    strumento.setProcessEnvironment(ambiente);
    strumento.start(QStringLiteral(KELMORA_REGISTRA), argomenti);
    strumento.waitForFinished(30000);
    if (uscita) *uscita = QString::fromLocal8Bit(strumento.readAllStandardOutput() + strumento.readAllStandardError());
    return strumento.exitCode();
  };
  QString uscita;
  EXPECT_EQ(esegui({kLibreria}, &uscita), 0);
  EXPECT_EQ(uscita.trimmed(), QStringLiteral("Registrazione di %1 riuscita.").arg(kLibreria));
  EXPECT_EQ(QFileInfo(Voce(kNomeKvSeparatore, kChiaveLibreria)).canonicalFilePath(), kLibreria);
  EXPECT_EQ(esegui({QStringLiteral("/u"), kLibreria}), 0);
  EXPECT_TRUE(Voce(kNomeKvSeparatore, kChiaveLibreria).isEmpty());
  EXPECT_EQ(esegui({configurazione_.filePath(QStringLiteral("manca.so"))}, &uscita), 1);
  EXPECT_TRUE(uscita.startsWith(QStringLiteral("Impossibile caricare la libreria"))) << uscita.toStdString();
  EXPECT_EQ(esegui({}), 2);
}

}  // namespace
