#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QToolBar>

#include "FinestraProva.h"
#include "album/SceltaFormato.h"
#include "album/SelettoriFormato.h"
#include "windows/frmMessaggioAvviso.h"

namespace {

// What a screen reader does with a check box or a toggle button.
void Commuta(QWidget* controllo) {
  QAccessibleInterface* interfaccia = QAccessible::queryAccessibleInterface(controllo);
  ASSERT_TRUE(interfaccia && interfaccia->actionInterface());
  ASSERT_TRUE(interfaccia->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
  interfaccia->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
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

  SelettoriFormato& selettori = finestra->selettori();
  for (SceltaFormato* scelta : {&selettori.Copia(), &selettori.Foto(), &selettori.Operazioni()}) {
    SCOPED_TRACE(scelta->descrizione().casella.toStdString());
    auto* casella = finestra->findChild<QCheckBox*>(scelta->descrizione().casella);
    auto* lista = finestra->findChild<QComboBox*>(scelta->descrizione().lista);
    const bool amatoriale = scelta->amatoriale();
    Commuta(casella);
    EXPECT_NE(scelta->amatoriale(), amatoriale);
    EXPECT_EQ(lista->count(), scelta->formati().size());
    casella->click();
    EXPECT_EQ(scelta->amatoriale(), amatoriale);
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
