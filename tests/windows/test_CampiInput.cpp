#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWidget>
#include <tuple>

#include "windows/CampiInput.h"
#include "windows/clsMouse.h"
#include "support/PiattaformaFinta.h"

namespace {

class CampiInputTest : public ::testing::Test {
 protected:
  void TearDown() override { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
  PiattaformaFinta finta;
};

TEST_F(CampiInputTest, CampoVuotoKeepsSpacesAndShowsTheMessageOnlyWhenAsked) {
  QLineEdit campo;
  campo.setText(QStringLiteral("  "));
  EXPECT_FALSE(CampoVuoto(&campo, true, true, QStringLiteral("Inserire il cognome")));
  campo.clear();
  EXPECT_TRUE(CampoVuoto(&campo, true, false, QStringLiteral("Inserire il cognome")));
  EXPECT_TRUE(finta.messaggi().isEmpty());
  EXPECT_TRUE(CampoVuoto(&campo, true, true, QStringLiteral("Inserire il cognome")));
  ASSERT_EQ(finta.testi(), QStringList{"Inserire il cognome"});
  EXPECT_EQ(finta.messaggi()[0].icona, IconaMessaggio::Esclamazione);
}

TEST_F(CampiInputTest, CampoNumericoTrimsAndReadsTheUsersLocale) {
  QLineEdit campo;
  campo.setText(QStringLiteral("  12  "));
  EXPECT_TRUE(CampoNumerico(&campo, false, true, QStringLiteral("Numero non valido")));
  EXPECT_EQ(campo.text(), QStringLiteral("12"));
  campo.setText(QString());
  EXPECT_FALSE(CampoNumerico(&campo, false, true, QStringLiteral("Numero non valido")));
  ASSERT_EQ(finta.messaggi().size(), 1);
  EXPECT_EQ(finta.messaggi()[0].icona, IconaMessaggio::Esclamazione);

  const auto valido = [&campo](const char* testo) {
    campo.setText(QString::fromLatin1(testo));
    return CampoNumerico(&campo, false, false, {});
  };
  EXPECT_TRUE(valido("1.234,5"));
  EXPECT_TRUE(valido("-3,25"));
  EXPECT_FALSE(valido("abc"));
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_TRUE(valido("1,234.5"));
  EXPECT_TRUE(valido("-3.25"));
  EXPECT_FALSE(valido("3.2.5"));
}

TEST(FiltraTastoNumerico, KeepsDigitsBackspaceAndMinusAndCommaOnlyWithDecimals) {
  for (int c = '0'; c <= '9'; ++c) EXPECT_EQ(FiltraTastoNumerico(c, false), c);
  // The key, whether decimals are allowed, and what is kept (0: nothing).
  for (const auto [tasto, decimali, atteso] : {std::tuple{8, false, 8}, {'-', false, '-'}, {',', false, 0},
                                               {',', true, ','}, {'.', true, 0}, {'a', true, 0}, {' ', true, 0}})
    EXPECT_EQ(FiltraTastoNumerico(tasto, decimali), atteso) << tasto << ' ' << decimali;
}

TEST(CampiFinestra, TrimAndLockSpareTheExcludedFieldsAndTheListsOwnEditor) {
  QWidget finestra;
  auto* layout = new QVBoxLayout(&finestra);
  auto* uno = new QLineEdit(QStringLiteral("  uno "));
  auto* due = new QLineEdit(QStringLiteral(" due "));
  auto* lista = new QComboBox;
  lista->setEditable(true);
  lista->addItems({QStringLiteral("a"), QStringLiteral("b")});
  lista->setEditText(QStringLiteral(" x "));
  for (QWidget* w : {static_cast<QWidget*>(uno), static_cast<QWidget*>(due), static_cast<QWidget*>(lista)})
    layout->addWidget(w);

  TrimCampi(&finestra, {due});
  EXPECT_EQ(uno->text(), QStringLiteral("uno"));
  EXPECT_EQ(due->text(), QStringLiteral(" due "));
  EXPECT_EQ(lista->currentText(), QStringLiteral(" x "));

  BloccaControlli(&finestra, Qt::yellow, true, {uno});
  EXPECT_FALSE(uno->isReadOnly());
  EXPECT_TRUE(due->isReadOnly());
  EXPECT_EQ(due->palette().color(QPalette::Base), QColor(Qt::yellow));
  EXPECT_TRUE(lista->lineEdit()->isReadOnly());
  BloccaControlli(&finestra, Qt::white, false);
  EXPECT_FALSE(due->isReadOnly());
  EXPECT_FALSE(lista->lineEdit()->isReadOnly());
}

TEST(AbilitaPulsantiToolbar, SparesTheListedKeysWhateverTheirCase) {
  QToolBar barra;
  for (const char* chiave : {"CopiaIn", "Annulla", "NumFoto"}) {
    QAction* azione = barra.addAction(QString::fromLatin1(chiave));
    azione->setObjectName(QString::fromLatin1(chiave));
  }
  AbilitaPulsantiToolbar(&barra, false, {QStringLiteral("annulla")});
  for (QAction* azione : barra.actions())
    EXPECT_EQ(azione->isEnabled(), azione->objectName() == QStringLiteral("Annulla")) << azione->objectName().toStdString();
  AbilitaPulsantiToolbar(&barra, true);
  for (QAction* azione : barra.actions()) EXPECT_TRUE(azione->isEnabled());
}

TEST(AbilitaPulsantiToolbarDeathTest, AnythingButAToolbarStopsTheProgramAfterTheMessage) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        PiattaformaFinta finta;
        finta.AlMessaggio([](const PiattaformaFinta::Messaggio& m) {
          if (m.testo == QStringLiteral("L'oggetto non è una ToolBar.") &&
              m.icona == IconaMessaggio::Critica)
            fprintf(stderr, "messaggio giusto\n");
        });
        QWidget nonBarra;
        AbilitaPulsantiToolbar(&nonBarra, true);
      },
      ::testing::ExitedWithCode(EXIT_FAILURE), "messaggio giusto");
}

TEST(clsMouse, ShowsTheBusyPointerForItsScopeOnly) {
  PiattaformaFinta finta;
  QWidget finestra;
  {
    clsMouse mouse;
    mouse.setOggetto(&finestra);
    EXPECT_EQ(finta.puntatoriOccupati(), 1);
  }
  EXPECT_EQ(finta.puntatoriOccupati(), 0);
  { clsMouse nessuno; nessuno.setOggetto(nullptr); }
  EXPECT_EQ(finta.puntatoriMassimi(), 1);
}

}  // namespace
