#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "settings/cINIProfiles.h"
#include "support/CartellaProgrammaProva.h"
#include "support/SenzaPermessiRoot.h"

namespace {

class cINIProfilesTest : public ::testing::Test {
 protected:
  QString File(const QString& nome = "prova.ini") const { return cartella.file(nome); }
  QString Leggi(const QString& sezione, const QString& chiave, const QString& predefinito = "?") const {
    return ini.GetPrivateProfileString(sezione, chiave, predefinito, File());
  }
  void Scrivi(const QString& sezione, const QString& chiave, const QString& valore) const {
    ini.WritePrivateProfileString(sezione, chiave, valore, File());
  }

  CartellaProgrammaProva cartella{false};
  cINIProfiles ini;
};

TEST_F(cINIProfilesTest, MissingFileGivesTheDefaultAndStaysMissing) {
  EXPECT_EQ(Leggi("Opzioni", "ChiusuraOk", "1"), "1");
  int quanti = -1;
  EXPECT_TRUE(ini.EnumPrivateProfileKeyString("Opzioni", File(), quanti).isEmpty());
  EXPECT_EQ(quanti, 0);
  ini.DeletePrivateProfileKeyString("Opzioni", "X", File());
  EXPECT_FALSE(QFile::exists(File()));
}

TEST_F(cINIProfilesTest, WritesCreateFileSectionAndKeyAndReplaceInPlace) {
  EXPECT_NE(ini.WritePrivateProfileString("Opzioni", "DatiUtenteOk", "1", File()), 0);
  EXPECT_EQ(cartella.Leggi("prova.ini"), QByteArray("[Opzioni]\r\nDatiUtenteOk=1\r\n"));
  Scrivi("DimForm", "TopForm", "50");
  Scrivi("opzioni", "FTPInCorso", "0");
  Scrivi("OPZIONI", "datiutenteok", "0");
  EXPECT_EQ(cartella.Leggi("prova.ini"),
            QByteArray("[Opzioni]\r\nDatiUtenteOk=0\r\nFTPInCorso=0\r\n[DimForm]\r\nTopForm=50\r\n"));
  // No temporary file is left beside it.
  EXPECT_EQ(QDir(cartella.percorso()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(cINIProfilesTest, CommentsBlankLinesAndOtherSectionsSurviveAWrite) {
  const QByteArray originale = "; impostazioni del programma\n[Opzioni]\n# nota\nChiusuraOk = 1\n\n[Altro]\nx=y\n";
  cartella.Scrivi("prova.ini", originale);
  Scrivi("Opzioni", "ChiusuraOk", "0");
  Scrivi("Opzioni", "FTPInCorso", "1");
  EXPECT_EQ(cartella.Leggi("prova.ini"),
            QByteArray("; impostazioni del programma\n[Opzioni]\n# nota\nChiusuraOk=0\nFTPInCorso=1\n\n"
                       "[Altro]\nx=y\n"));
  ini.DeletePrivateProfileKeyString("opzioni", "ftpincorso", File());
  EXPECT_EQ(Leggi("Opzioni", "FTPInCorso"), "?");
  EXPECT_EQ(Leggi("Altro", "x"), "y");
}

TEST_F(cINIProfilesTest, NamesMatchWhateverTheirLetterCase) {
  cartella.Scrivi("prova.ini", "[opzioni]\r\nchiusuraok=0\r\n");
  EXPECT_EQ(Leggi("Opzioni", "ChiusuraOk"), "0");
}

TEST_F(cINIProfilesTest, LongValuesReadBackCutTo499Characters) {
  const QString lungo = QString(600, u'x').replace(0, 3, QStringLiteral("abc"));
  Scrivi("DatiUtente", "Via", lungo);
  EXPECT_EQ(Leggi("DatiUtente", "Via"), lungo.left(499));
}

TEST_F(cINIProfilesTest, TextIsWindows1252AndForeignCharactersBecomeQuestionMarks) {
  Scrivi("DatiUtente", "Citta", "Forlì €");
  Scrivi("DatiUtente", "Via", "東京");
  EXPECT_TRUE(cartella.Leggi("prova.ini").contains("Citta=Forl\xEC \x80\r\n"));
  EXPECT_EQ(Leggi("DatiUtente", "Citta"), "Forlì €");
  EXPECT_EQ(Leggi("DatiUtente", "Via"), "??");
}

TEST_F(cINIProfilesTest, ALineBreakInAValueCannotAddALine) {
  Scrivi("DatiFTP", "Proxy", "a\r\n[Opzioni]\nFTPInCorso=1");
  EXPECT_EQ(Leggi("Opzioni", "FTPInCorso"), "?");
  int quanti = 0;
  EXPECT_EQ(ini.EnumPrivateProfileKeyString("DatiFTP", File(), quanti), QStringList{"Proxy"});
}

TEST_F(cINIProfilesTest, KeysAreListedInFileOrder) {
  cartella.Scrivi("prova.ini", "[lang]\r\n0002=b\r\n0000=a\r\n; no\r\n0001=c\r\n[altro]\r\nz=1\r\n");
  int quanti = 0;
  EXPECT_EQ(ini.EnumPrivateProfileKeyString("LANG", File(), quanti), (QStringList{"0002", "0000", "0001"}));
  EXPECT_EQ(quanti, 3);
  ini.EnumPrivateProfileKeyString("manca", File(), quanti);
  EXPECT_EQ(quanti, 0);

  // The list comes through a buffer of 2500 characters, a NUL after each name
  // and one at the end: of 100 names of 29 characters, 83 fit.
  for (int i = 0; i < 100; ++i) Scrivi("molte", QStringLiteral("chiave%1").arg(i, 23, 10, QChar(u'0')), "1");
  const QStringList molte = ini.EnumPrivateProfileKeyString("molte", File(), quanti);
  EXPECT_EQ(quanti, molte.size());
  EXPECT_EQ(quanti, 83);
  EXPECT_EQ(molte.last(), QStringLiteral("chiave%1").arg(82, 23, 10, QChar(u'0')));
}

TEST_F(cINIProfilesTest, AFailedWriteLeavesTheOldFileWhole) {
  Scrivi("Opzioni", "ChiusuraOk", "1");
  const QByteArray prima = cartella.Leggi("prova.ini");
  {
    const CartellaSoloLettura soloLettura(cartella.percorso());
    EXPECT_EQ(ini.WritePrivateProfileString("Opzioni", "ChiusuraOk", "0", File()), 0);
  }
  EXPECT_EQ(cartella.Leggi("prova.ini"), prima);
  EXPECT_EQ(Leggi("Opzioni", "ChiusuraOk"), "1");
}

}  // namespace
