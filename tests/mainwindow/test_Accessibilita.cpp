#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QToolBar>

#include "FinestraProva.h"

namespace {

// What a screen reader does with a toggle button.
void Commuta(QWidget* controllo) {
  QAccessibleInterface* interfaccia = QAccessible::queryAccessibleInterface(controllo);
  ASSERT_TRUE(interfaccia && interfaccia->actionInterface());
  ASSERT_TRUE(interfaccia->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
  interfaccia->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
}

TEST(Accessibilita, TheFormatFilterReactsToItsStateWhateverToggledIt) {
  AmbienteFinestra ambiente;
  ambiente.ClienteAbituale();
  auto finestra = ambiente.NuovaFinestra();
  finestra->Attiva();

  QAction* filtro = frmScegliFoto::Pulsante(finestra->tbGruppo(), "Filtro");
  auto* bottone = qobject_cast<QAbstractButton*>(finestra->tbGruppo()->widgetForAction(filtro));
  auto* listaFiltro = finestra->findChild<QComboBox*>(QStringLiteral("cmbFormatiFoto"));
  // Every reload of the format view disables the commands while it runs.
  int ricariche = 0;
  QObject::connect(frmScegliFoto::Pulsante(finestra->tbGruppo(), "Aggiorna"), &QAction::enabledChanged,
                   [&ricariche](bool abilitato) { ricariche += abilitato ? 0 : 1; });
  ASSERT_FALSE(listaFiltro->isEnabled());
  Commuta(bottone);
  EXPECT_TRUE(filtro->isChecked());
  EXPECT_TRUE(listaFiltro->isEnabled());
  Commuta(bottone);
  EXPECT_FALSE(listaFiltro->isEnabled());
  bottone->click();
  EXPECT_TRUE(bottone->isChecked());
  EXPECT_TRUE(listaFiltro->isEnabled());
  EXPECT_EQ(ricariche, 3);
}

}  // namespace
