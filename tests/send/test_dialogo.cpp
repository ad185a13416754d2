#include <gtest/gtest.h>

#include <QUrlQuery>

#include "common/DocumentoXML.h"
#include "send/AccessoLaboratorio.h"
#include "send/LetturaRisposta.h"
#include "send/ModuliRichiesta.h"
#include "send/PasswordMemorizzata.h"

namespace {

QString Campo(const QString& corpo, const QString& nome) {
  QString leggibile = corpo;
  leggibile.replace(u'+', QStringLiteral("%20"));
  return QUrlQuery(leggibile).queryItemValue(nome, QUrl::FullyDecoded);
}

TEST(ModuliRichiesta, FieldsComeInTheirOrderUnderTheirNames) {
  EXPECT_EQ(creaDatiPostM("anna", "pw", "login"), QStringLiteral("username=anna&passwd=pw&modo=login"));
  EXPECT_EQ(creaDatiPostTM("a", "b", "12", "m"), QStringLiteral("username=a&passwd=b&transazione_id=12&modo=m"));
  EXPECT_EQ(creaDatiPostTPM("a", "b", "12", "1.234.50", "m"),
            QStringLiteral("username=a&passwd=b&transazione_id=12&prezzo=1.234.50&modo=m"));
  EXPECT_EQ(creaDatiPostTTM("a", "b", "12", "1", "m"),
            QStringLiteral("username=a&passwd=b&transazione_id=12&trasferito=1&modo=m"));
}

TEST(ModuliRichiesta, EveryValueArrivesUnchangedWhateverItHolds) {
  const QString password = QStringLiteral(" a&b=c+d%e f€è ");
  const QString corpo = creaDatiPostM(QStringLiteral("u&modo=x"), password, QStringLiteral("login"));
  EXPECT_EQ(corpo.count(u'&'), 2);
  EXPECT_EQ(Campo(corpo, QStringLiteral("passwd")), password);
  EXPECT_EQ(Campo(corpo, QStringLiteral("username")), QStringLiteral("u&modo=x"));
  EXPECT_EQ(Campo(corpo, QStringLiteral("modo")), QStringLiteral("login"));
}

class LetturaRispostaTest : public ::testing::Test {
 protected:
  void Carica(const QString& testo) { risposta->caricaTesto(testo); }
  std::unique_ptr<DocumentoXML> risposta = CreaDocumentoXML();
};

TEST_F(LetturaRispostaTest, BooleansReadAsTheUsualConversionSays) {
  const std::pair<const char*, bool> veri[] = {{"1", true}, {"-1", true}, {"true", true},
                                               {"TRUE", true}, {"2", true}, {"0", false},
                                               {"false", false}, {"False", false}};
  for (const auto& [testo, atteso] : veri) {
    Carica(QStringLiteral("<xml><v>%1</v></xml>").arg(QString::fromLatin1(testo)));
    bool valore = !atteso;
    EXPECT_TRUE(LeggiRispostaBool(*risposta, QStringLiteral("/xml/v"), valore)) << testo;
    EXPECT_EQ(valore, atteso) << testo;
  }
  for (const char* senzaValore : {"<xml><v></v></xml>", "<xml/>", "<xml><v>forse</v></xml>", "</xml>"}) {
    Carica(QString::fromLatin1(senzaValore));
    bool valore = true;
    EXPECT_FALSE(LeggiRispostaBool(*risposta, QStringLiteral("/xml/v"), valore)) << senzaValore;
    EXPECT_TRUE(valore);
  }
}

TEST_F(LetturaRispostaTest, TextAndNumbersKeepTheTargetWhenMissingOrUnconvertible) {
  Carica(QStringLiteral("<xml><t>riga\r\nseconda</t><n>1</n><g>12345678901</g><x>a</x><e/></xml>"));
  QString testo = QStringLiteral("prima");
  EXPECT_FALSE(LeggiRispostaTesto(*risposta, QStringLiteral("/xml/e"), testo));
  EXPECT_FALSE(LeggiRispostaTesto(*risposta, QStringLiteral("/xml/manca"), testo));
  EXPECT_EQ(testo, QStringLiteral("prima"));
  EXPECT_TRUE(LeggiRispostaTesto(*risposta, QStringLiteral("/xml/t"), testo));
  EXPECT_EQ(testo, QStringLiteral("riga\nseconda"));  // line ends are normalised by any XML parser
  int numero = 7;
  EXPECT_TRUE(LeggiRispostaIntero(*risposta, QStringLiteral("/xml/n"), numero));
  EXPECT_EQ(numero, 1);
  EXPECT_FALSE(LeggiRispostaIntero(*risposta, QStringLiteral("/xml/g"), numero));
  EXPECT_FALSE(LeggiRispostaIntero(*risposta, QStringLiteral("/xml/x"), numero));
  EXPECT_EQ(numero, 1);
}

TEST(PasswordMemorizzata, RoundTripsAndNeverStoresThePlainPassword) {
  for (const QString& password : {QStringLiteral("segreta"), QStringLiteral("a&b=c+d%e f"),
                                  QStringLiteral("àèìòù€"), QString(30, u'x')}) {
    const QString memorizzata = CodificaPassword(password);
    EXPECT_FALSE(memorizzata.contains(password));
    EXPECT_FALSE(memorizzata.contains(u'\n'));
    EXPECT_EQ(DecodificaPassword(memorizzata), password);
  }
  EXPECT_EQ(CodificaPassword(QString()), QString());
  EXPECT_EQ(DecodificaPassword(QString()), QString());
}

TEST(AccessoLaboratorio, OnlyTheExactSharedAccountNameIsGuest) {
  for (const char* ospite : {"guest", "  guest "}) EXPECT_TRUE(UsernameOspite(ospite)) << ospite;
  for (const char* altro : {"Guest", "guest2"}) EXPECT_FALSE(UsernameOspite(altro)) << altro;
}

}  // namespace
