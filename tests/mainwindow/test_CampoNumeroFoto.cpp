#include <gtest/gtest.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>

#include "mainwindow/CampoNumeroFoto.h"
#include "support/PiattaformaFinta.h"

namespace {

class CampoNumeroFotoTest : public ::testing::Test {
 protected:
  void SetUp() override { campo.show(); }
  // Keys as a desktop sends them: Ctrl with a letter carries a control character.
  void Premi(int tasto, const QString& testo, Qt::KeyboardModifiers modificatori = Qt::NoModifier) {
    QKeyEvent evento(QEvent::KeyPress, tasto, modificatori, testo);
    QCoreApplication::sendEvent(&campo, &evento);
  }
  void Scorciatoia(char lettera) {
    Premi(Qt::Key_A + (lettera - 'A'), QString(QChar(lettera - 'A' + 1)), Qt::ControlModifier);
  }
  QString Incolla(const QString& appunti) {
    QGuiApplication::clipboard()->setText(appunti);
    Scorciatoia('A');
    Scorciatoia('V');
    return campo.text();
  }

  PiattaformaFinta finta;
  CampoNumeroFoto campo;
};

TEST_F(CampoNumeroFotoTest, ShortcutsWorkAndTheBoxNeverHoldsMoreThanThreeDigits) {
  Scorciatoia('A');
  EXPECT_EQ(campo.selectedText(), QStringLiteral("1"));
  for (const char* cifra : {"4", "2", "7", "9"}) Premi(Qt::Key_0 + (cifra[0] - '0'), QString::fromLatin1(cifra));
  EXPECT_EQ(campo.text(), QStringLiteral("427"));
  Scorciatoia('A');
  Scorciatoia('C');
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("427"));

  EXPECT_EQ(Incolla(QStringLiteral("12")), QStringLiteral("12"));
  EXPECT_EQ(Incolla(QStringLiteral("12345")), QStringLiteral("123"));
  // Anything the keys could not type is refused whole.
  EXPECT_EQ(Incolla(QStringLiteral("1a")), QStringLiteral("123"));
  EXPECT_EQ(Incolla(QStringLiteral("2,5")), QStringLiteral("123"));
  Premi(Qt::Key_X, QStringLiteral("x"));
  EXPECT_EQ(campo.text(), QStringLiteral("123"));
  EXPECT_TRUE(finta.messaggi().isEmpty());
}

}  // namespace
