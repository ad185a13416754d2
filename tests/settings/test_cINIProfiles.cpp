#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "settings/cINIProfiles.h"
#include "support/CartellaProgrammaProva.h"
#include "support/SenzaPermessiRoot.h"

namespace {

class cINIProfilesTest : public ::testing::Test {
 protected:
  QString File(const QString& nome = QStringLiteral("prova.ini")) const { return cartella.file(nome); }
  QString Leggi(const QString& sezione, const QString& chiave, const QString& predefinito = QStringLiteral("?")) const {
    return ini.GetPrivateProfileString(sezione, chiave, predefinito, File());
  }
  void Scrivi(const QString& sezione, const QString& chiave, const QString& valore) const {
    ini.WritePrivateProfileString(sezione, chiave, valore, File());
  }

  CartellaProgrammaProva cartella{false};
  cINIProfiles ini;
};

TEST_F(cINIProfilesTest, MissingFileGivesTheDefaultAndStaysMissing) {
  EXPECT_EQ(Leggi(QStringLiteral("Opzioni"), QStringLiteral("ChiusuraOk"), QStringLiteral("1")),
            QStringLiteral("1"));
  int quanti = -1;
  EXPECT_TRUE(ini.EnumPrivateProfileKeyString(QStringLiteral("Opzioni"), File(), quanti).isEmpty());
  EXPECT_EQ(quanti, 0);
  ini.DeletePrivateProfileKeyString(QStringLiteral("Opzioni"), QStringLiteral("X"), File());
  EXPECT_FALSE(QFile::exists(File()));
}

TEST_F(cINIProfilesTest, WritesCreateFileSectionAndKeyAndReplaceInPlace) {
  EXPECT_NE(ini.WritePrivateProfileString(QStringLiteral("Opzioni"), QStringLiteral("DatiUtenteOk"),
                                          QStringLiteral("1"), File()),
            0);
  EXPECT_EQ(cartella.Leggi(QStringLiteral("prova.ini")), QByteArray("[Opzioni]\r\nDatiUtenteOk=1\r\n"));
  Scrivi(QStringLiteral("DimForm"), QStringLiteral("TopForm"), QStringLiteral("50"));
  Scrivi(QStringLiteral("opzioni"), QStringLiteral("FTPInCorso"), QStringLiteral("0"));
  Scrivi(QStringLiteral("OPZIONI"), QStringLiteral("datiutenteok"), QStringLiteral("0"));
  EXPECT_EQ(cartella.Leggi(QStringLiteral("prova.ini")),
            QByteArray("[Opzioni]\r\nDatiUtenteOk=0\r\nFTPInCorso=0\r\n[DimForm]\r\nTopForm=50\r\n"));
  // No temporary file is left beside it.
  EXPECT_EQ(QDir(cartella.percorso()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(cINIProfilesTest, CommentsBlankLinesAndOtherSectionsSurviveAWrite) {
  const QByteArray originale =
      "; impostazioni del programma\n[Opzioni]\n# nota\nChiusuraOk = 1\n\n[Altro]\nx=y\n";
  cartella.Scrivi(QStringLiteral("prova.ini"), originale);
  Scrivi(QStringLiteral("Opzioni"), QStringLiteral("ChiusuraOk"), QStringLiteral("0"));
  Scrivi(QStringLiteral("Opzioni"), QStringLiteral("FTPInCorso"), QStringLiteral("1"));
  EXPECT_EQ(cartella.Leggi(QStringLiteral("prova.ini")),
            QByteArray("; impostazioni del programma\n[Opzioni]\n# nota\nChiusuraOk=0\nFTPInCorso=1\n\n"
                       "[Altro]\nx=y\n"));
  ini.DeletePrivateProfileKeyString(QStringLiteral("opzioni"), QStringLiteral("ftpincorso"), File());
  EXPECT_EQ(Leggi(QStringLiteral("Opzioni"), QStringLiteral("FTPInCorso")), QStringLiteral("?"));
  EXPECT_EQ(Leggi(QStringLiteral("Altro"), QStringLiteral("x")), QStringLiteral("y"));
}

TEST_F(cINIProfilesTest, NamesMatchWhateverTheirLetterCase) {
  cartella.Scrivi(QStringLiteral("prova.ini"), "[opzioni]\r\nchiusuraok=0\r\n");
  EXPECT_EQ(Leggi(QStringLiteral("Opzioni"), QStringLiteral("ChiusuraOk")), QStringLiteral("0"));
}

TEST_F(cINIProfilesTest, LongValuesReadBackCutTo499Characters) {
  const QString lungo = QString(600, u'x').replace(0, 3, QStringLiteral("abc"));
  Scrivi(QStringLiteral("DatiUtente"), QStringLiteral("Via"), lungo);
  EXPECT_EQ(Leggi(QStringLiteral("DatiUtente"), QStringLiteral("Via")), lungo.left(499));
}

TEST_F(cINIProfilesTest, TextIsWindows1252AndForeignCharactersBecomeQuestionMarks) {
  Scrivi(QStringLiteral("DatiUtente"), QStringLiteral("Citta"), QStringLiteral("Forlì €"));
  Scrivi(QStringLiteral("DatiUtente"), QStringLiteral("Via"), QStringLiteral("東京"));
  EXPECT_TRUE(cartella.Leggi(QStringLiteral("prova.ini")).contains("Citta=Forl\xEC \x80\r\n"));
  EXPECT_EQ(Leggi(QStringLiteral("DatiUtente"), QStringLiteral("Citta")), QStringLiteral("Forlì €"));
  EXPECT_EQ(Leggi(QStringLiteral("DatiUtente"), QStringLiteral("Via")), QStringLiteral("??"));
}

TEST_F(cINIProfilesTest, ALineBreakInAValueCannotAddALine) {
  Scrivi(QStringLiteral("DatiFTP"), QStringLiteral("Proxy"), QStringLiteral("a\r\n[Opzioni]\nFTPInCorso=1"));
  EXPECT_EQ(Leggi(QStringLiteral("Opzioni"), QStringLiteral("FTPInCorso")), QStringLiteral("?"));
  int quanti = 0;
  EXPECT_EQ(ini.EnumPrivateProfileKeyString(QStringLiteral("DatiFTP"), File(), quanti),
            QStringList{QStringLiteral("Proxy")});
}

TEST_F(cINIProfilesTest, KeysAreListedInFileOrder) {
  cartella.Scrivi(QStringLiteral("prova.ini"),
                  "[lang]\r\n0002=b\r\n0000=a\r\n; no\r\n0001=c\r\n[altro]\r\nz=1\r\n");
  int quanti = 0;
  EXPECT_EQ(ini.EnumPrivateProfileKeyString(QStringLiteral("LANG"), File(), quanti),
            (QStringList{QStringLiteral("0002"), QStringLiteral("0000"), QStringLiteral("0001")}));
  EXPECT_EQ(quanti, 3);
  ini.EnumPrivateProfileKeyString(QStringLiteral("manca"), File(), quanti);
  EXPECT_EQ(quanti, 0);

  // The list comes through a buffer of 2500 characters, a NUL after each name
  // and one at the end: of 100 names of 29 characters, 83 fit.
  for (int i = 0; i < 100; ++i)
    Scrivi(QStringLiteral("molte"), QStringLiteral("chiave%1").arg(i, 23, 10, QChar(u'0')), QStringLiteral("1"));
  const QStringList molte = ini.EnumPrivateProfileKeyString(QStringLiteral("molte"), File(), quanti);
  EXPECT_EQ(quanti, molte.size());
  EXPECT_EQ(quanti, 83);
  EXPECT_EQ(molte.last(), QStringLiteral("chiave%1").arg(82, 23, 10, QChar(u'0')));
}

TEST_F(cINIProfilesTest, AFailedWriteLeavesTheOldFileWhole) {
  Scrivi(QStringLiteral("Opzioni"), QStringLiteral("ChiusuraOk"), QStringLiteral("1"));
  const QByteArray prima = cartella.Leggi(QStringLiteral("prova.ini"));
  QFile::setPermissions(cartella.percorso(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  int esito = 1;
  {
    SenzaPermessiRoot senzaPermessi;
    esito = ini.WritePrivateProfileString(QStringLiteral("Opzioni"), QStringLiteral("ChiusuraOk"),
                                          QStringLiteral("0"), File());
  }
  QFile::setPermissions(cartella.percorso(),
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  EXPECT_EQ(esito, 0);
  EXPECT_EQ(cartella.Leggi(QStringLiteral("prova.ini")), prima);
  EXPECT_EQ(Leggi(QStringLiteral("Opzioni"), QStringLiteral("ChiusuraOk")), QStringLiteral("1"));
}

}  // namespace
