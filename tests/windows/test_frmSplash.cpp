#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>

#include "support/CartellaProgrammaProva.h"
#include "support/PiattaformaFinta.h"
#include "windows/TestoVersione.h"
#include "windows/frmSplash.h"

namespace {

QString Versione(const frmSplash& splash) {
  return splash.findChild<QLabel*>(QStringLiteral("lblVersion"))->text();
}

void Clicca(QWidget* controllo) {
  const QPointF punto(2, 2);
  QMouseEvent premi(QEvent::MouseButtonPress, punto, controllo->mapToGlobal(punto), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QMouseEvent rilascia(QEvent::MouseButtonRelease, punto, controllo->mapToGlobal(punto), Qt::LeftButton,
                       Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(controllo, &premi);
  QCoreApplication::sendEvent(controllo, &rilascia);
}

TEST(frmSplash, TheVersionLineUsesTheLanguageFormatOrTheGeneralDate) {
  const QDateTime modifica(QDate(2026, 3, 4), QTime(10, 20, 30));
  const QString generale = TestoVersione(QStringLiteral("1.0.19"), modifica, QString());
  EXPECT_TRUE(generale.startsWith(QStringLiteral("1.0.19 (") + QLocale().toString(modifica.date(), QLocale::ShortFormat) + u' '))
      << generale.toStdString();
  EXPECT_TRUE(generale.endsWith(QStringLiteral("10:20:30)"))) << generale.toStdString();
  EXPECT_EQ(TestoVersione(QStringLiteral("1.0.19"), modifica, QStringLiteral("yyyy-MM-dd HH:mm")),
            QStringLiteral("1.0.19 (2026-03-04 10:20)"));
  EXPECT_EQ(TestoVersione(QStringLiteral("1.0.19"), QDateTime(), QString()), QStringLiteral("1.0.19"));
}

TEST(frmSplash, TheDateIsTheRunningProgramFilesAlsoWithoutOneInTheProgramFolder) {
  // An installed program's folder (the per-user one) holds no program file;
  // one there of the same name is not the program that runs.
  CartellaProgrammaProva programma;
  QFile omonimo(programma.file(QFileInfo(QCoreApplication::applicationFilePath()).fileName()));
  ASSERT_TRUE(omonimo.open(QIODevice::WriteOnly));
  ASSERT_TRUE(omonimo.setFileTime(QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6)), QFileDevice::FileModificationTime));
  omonimo.close();
  programma.Scrivi(QStringLiteral("Lang/Lang_Ita.ini"), "[lang]\r\n0000=yyyy-MM-dd HH:mm:ss.zzz\r\n");
  const frmSplash splash(programma.percorsi());
  const QDateTime eseguibile = QFileInfo(QCoreApplication::applicationFilePath()).lastModified();
  EXPECT_EQ(Versione(splash),
            QStringLiteral("1.0.19 (") + eseguibile.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")) + u')');
}

TEST(frmSplash, TextsCloseMarkEscapeAndTheLogosMail) {
  CartellaProgrammaProva programma;
  PiattaformaFinta finta;
  {
    frmSplash splash(programma.percorsi());
    EXPECT_TRUE(splash.windowTitle().isEmpty());
    EXPECT_EQ(splash.findChild<QLabel*>(QStringLiteral("lblProductName"))->text(), QStringLiteral("Velistra"));
    auto* chiudi = splash.findChild<QLabel*>(QStringLiteral("lblChiudi"));
    EXPECT_EQ(chiudi->text(), QStringLiteral("x"));
    EXPECT_EQ(chiudi->toolTip(), QStringLiteral("Chiudi"));
    auto* logo = splash.findChild<QLabel*>(QStringLiteral("imgLogo"));
    EXPECT_FALSE(logo->pixmap().isNull());
    splash.show();
    Clicca(logo);
    EXPECT_EQ(finta.documentiAperti(), QStringList{QStringLiteral("mailto:info@velistra.example")});
    EXPECT_TRUE(splash.isVisible());
    Clicca(chiudi);
    EXPECT_FALSE(splash.isVisible());
  }
  frmSplash splash(programma.percorsi());
  splash.show();
  QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QCoreApplication::sendEvent(&splash, &esc);
  EXPECT_FALSE(splash.isVisible());
}

}  // namespace
