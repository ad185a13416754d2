#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QToolBar>

#include "FinestraProva.h"
#include "windows/frmMessaggioAvviso.h"

namespace {

// What a screen reader does with a check box or a toggle button.
void Commuta(QWidget* controllo) {
  QAccessibleInterface* interfaccia = QAccessible::queryAccessibleInterface(controllo);
  ASSERT_TRUE(interfaccia && interfaccia->actionInterface());
  ASSERT_TRUE(interfaccia->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
  interfaccia->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
}

QStringList Voci(const QComboBox* lista) {
  QStringList voci;
  for (int i = 0; i < lista->count(); ++i) voci.append(lista->itemText(i));
  return voci;
}

TEST(Accessibilita, EveryToggleReactsToItsStateWhateverToggledIt) {
  AmbienteFinestra ambiente;
  ambiente.ClienteAbituale();
  auto finestra = ambiente.NuovaFinestra();
  finestra->Form_Activate();

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

  for (const char* nome : {"Copia", "Foto", "Operazioni"}) {
    SCOPED_TRACE(nome);
    auto* casella = finestra->findChild<QCheckBox*>(QStringLiteral("chkFormati") + QLatin1String(nome));
    auto* lista = finestra->findChild<QComboBox*>(QStringLiteral("cmbFormati") + QLatin1String(nome));
    const QStringList prima = Voci(lista);
    Commuta(casella);
    EXPECT_NE(Voci(lista), prima);
    casella->click();
    EXPECT_EQ(Voci(lista), prima);
  }

  ambiente.ImpostaOpzione(QStringLiteral("NonMostrareMessaggio"), QStringLiteral("0"));
  {
    frmMessaggioAvviso avviso;
    avviso.show();
    Commuta(avviso.findChild<QCheckBox*>(QStringLiteral("chkMostraMessaggio")));
    avviso.close();
  }
  EXPECT_EQ(ambiente.Opzione(QStringLiteral("NonMostrareMessaggio")), QStringLiteral("1"));
}

}  // namespace
