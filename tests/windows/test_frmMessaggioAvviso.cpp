#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>

#include "settings/cINIProfiles.h"
#include "support/CartellaProgrammaProva.h"
#include "windows/frmMessaggioAvviso.h"

namespace {

QString NonMostrare(const CartellaProgrammaProva& programma) {
  return cINIProfiles().GetPrivateProfileString(QStringLiteral("Opzioni"), QStringLiteral("NonMostrareMessaggio"),
                                                QStringLiteral("assente"), programma.file(QStringLiteral("Velistra.ini")));
}

TEST(frmMessaggioAvviso, EveryWayOfClosingRecordsTheCheckBox) {
  CartellaProgrammaProva programma;
  {
    frmMessaggioAvviso avviso(programma.percorsi());
    EXPECT_EQ(avviso.windowTitle(), QStringLiteral("ATTENZIONE!"));
    auto* casella = avviso.findChild<QCheckBox*>(QStringLiteral("chkMostraMessaggio"));
    EXPECT_FALSE(casella->isChecked());
    EXPECT_EQ(casella->text(), QStringLiteral("Non mostrare più questo mesasggio all'avvio"));
    avviso.show();
    casella->setChecked(true);
    avviso.close();  // the title bar's close box
    EXPECT_FALSE(avviso.isVisible());
  }
  EXPECT_EQ(NonMostrare(programma), QStringLiteral("1"));
  {
    frmMessaggioAvviso avviso(programma.percorsi());
    avviso.show();
    avviso.findChild<QPushButton*>(QStringLiteral("cmdChiudi"))->click();
    EXPECT_FALSE(avviso.isVisible());
  }
  EXPECT_EQ(NonMostrare(programma), QStringLiteral("0"));
  {
    frmMessaggioAvviso avviso(programma.percorsi());
    avviso.show();
    avviso.findChild<QCheckBox*>(QStringLiteral("chkMostraMessaggio"))->setChecked(true);
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&avviso, &esc);
    EXPECT_FALSE(avviso.isVisible());
  }
  EXPECT_EQ(NonMostrare(programma), QStringLiteral("1"));
}

}  // namespace
