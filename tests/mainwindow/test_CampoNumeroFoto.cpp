#include <gtest/gtest.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>

#include "mainwindow/CampoNumeroFoto.h"

namespace {

TEST(CampoNumeroFoto, ShortcutsWorkAndTheBoxNeverHoldsMoreThanThreeDigits) {
  CampoNumeroFoto campo;
  campo.show();
  // Keys as a desktop sends them: Ctrl with a letter carries a control character.
  const auto premi = [&campo](char tasto, Qt::KeyboardModifiers modificatori = Qt::NoModifier) {
    const bool ctrl = modificatori & Qt::ControlModifier;
    QKeyEvent evento(QEvent::KeyPress, tasto, modificatori, QString(QChar(ctrl ? tasto - 'A' + 1 : tasto)));
    QCoreApplication::sendEvent(&campo, &evento);
  };
  const auto incolla = [&](const QString& appunti) {
    QGuiApplication::clipboard()->setText(appunti);
    premi('A', Qt::ControlModifier);
    premi('V', Qt::ControlModifier);
    return campo.text();
  };
  premi('A', Qt::ControlModifier);
  EXPECT_EQ(campo.selectedText(), QStringLiteral("1"));
  for (char cifra : {'4', '2', '7', '9', 'x'}) premi(cifra);
  EXPECT_EQ(campo.text(), QStringLiteral("427"));
  premi('A', Qt::ControlModifier);
  premi('C', Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("427"));

  EXPECT_EQ(incolla(QStringLiteral("12")), QStringLiteral("12"));
  EXPECT_EQ(incolla(QStringLiteral("12345")), QStringLiteral("123"));
  // Anything the keys could not type is refused whole.
  EXPECT_EQ(incolla(QStringLiteral("1a")), QStringLiteral("123"));
  EXPECT_EQ(incolla(QStringLiteral("2,5")), QStringLiteral("123"));
}

}  // namespace
