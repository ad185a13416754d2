#include <gtest/gtest.h>

#include <QObject>
#include <optional>

#include "ServizioSegretiProva.h"
#include "send/PasswordMemorizzata.h"
#include "send/PortachiaviPassword.h"
#include "settings/ChiaviImpostazioni.h"
#include "settings/Impostazioni.h"
#include "settings/cINIProfiles.h"
#include "support/Attesa.h"
#include "support/CartellaProgrammaProva.h"

// The lab password against a real Secret Service (gnome-keyring on a private bus).
namespace {

const QString kLaboratorio = QStringLiteral("127.0.0.1:8443");

class PortachiaviTest : public ::testing::Test {
 protected:
  std::optional<QString> Leggi(const QString& laboratorio, const QString& utente) {
    std::optional<std::optional<QString>> risposta;
    QObject contesto;
    LeggiDalPortachiavi(laboratorio, utente, &contesto, [&risposta](std::optional<QString> p) { risposta = p; });
    EXPECT_TRUE(AttendiFinche([&risposta] { return risposta.has_value(); }));
    return risposta.value_or(std::nullopt);
  }
  // Saves as the send window does, and waits until the keyring's answer is applied:
  // QtKeychain runs its jobs one after the other, so a read that follows answers after it.
  void Salva(const QString& utente, const QString& password, const QString& laboratorio = kLaboratorio) {
    ASSERT_TRUE(SalvaConnessione(programma.percorsi(), laboratorio, {utente, {}, {}, true}, password, &finestra,
                                 [this] { ++avvisiPasswordNelFile; }));
    Leggi(laboratorio, utente);
  }
  QString Ini() const {
    return cINIProfiles().GetPrivateProfileString(kSezioneDatiFTP, QStringLiteral("Password"), QString(),
                                                  programma.percorsi().PercorsoIniFTP);
  }

  CartellaProgrammaProva programma;
  QObject finestra;
  int avvisiPasswordNelFile = 0;
};

TEST_F(PortachiaviTest, ThePasswordGoesToTheKeyringPerLabAndUserAndTheFileKeepsNone) {
  ASSERT_TRUE(ServizioSegretiProva::Avvia());
  Salva(QStringLiteral("anna"), QStringLiteral("a&b=c+d%e f"));
  EXPECT_EQ(Ini(), QString());
  EXPECT_FALSE(programma.Leggi(QStringLiteral("VelistraFTP.ini")).contains("a&b=c"));
  EXPECT_EQ(Impostazioni(programma.percorsi()).LeggiConnessione().Username, QStringLiteral("anna"));
  Salva(QStringLiteral("anna"), QStringLiteral("altra"), QStringLiteral("lab.example"));
  EXPECT_EQ(Leggi(kLaboratorio, QStringLiteral("anna")), QStringLiteral("a&b=c+d%e f"));
  EXPECT_EQ(Leggi(QStringLiteral("lab.example"), QStringLiteral("anna")), QStringLiteral("altra"));
  EXPECT_EQ(Leggi(kLaboratorio, QStringLiteral("bruno")), std::nullopt);
  EXPECT_EQ(avvisiPasswordNelFile, 0);
}

TEST_F(PortachiaviTest, AScrambledPasswordInTheFileMovesToTheKeyringAtTheNextSave) {
  ASSERT_TRUE(ServizioSegretiProva::Avvia());
  Impostazioni(programma.percorsi()).ScriviConnessione({QStringLiteral("anna"), CodificaPassword(QStringLiteral("vecchia")), {}, false});
  // What the send window shows from the file is what it saves.
  Salva(QStringLiteral("anna"), DecodificaPassword(Ini()));
  EXPECT_EQ(Ini(), QString());
  EXPECT_EQ(Leggi(kLaboratorio, QStringLiteral("anna")), QStringLiteral("vecchia"));
}

// Last: the keyring stays stopped for the rest of the process.
TEST_F(PortachiaviTest, WithoutAKeyringTheFileKeepsThePasswordScrambledAndTheCustomerIsToldOnce) {
  ASSERT_TRUE(ServizioSegretiProva::Avvia());
  ServizioSegretiProva::Ferma();
  Salva(QStringLiteral("anna"), QStringLiteral("segreta"));
  EXPECT_EQ(DecodificaPassword(Ini()), QStringLiteral("segreta"));
  EXPECT_EQ(Leggi(kLaboratorio, QStringLiteral("anna")), std::nullopt);
  Salva(QStringLiteral("anna"), QStringLiteral("nuova"));
  EXPECT_EQ(DecodificaPassword(Ini()), QStringLiteral("nuova"));
  EXPECT_EQ(avvisiPasswordNelFile, 1);
}

}  // namespace
