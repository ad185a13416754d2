#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QToolBar>

#include "BancoLaboratorio.h"
#include "FinestraProva.h"
#include "mainwindow/frmFTP.h"
#include "thumbview/ctrFotoView.h"

namespace {

// What a screen reader does with a toggle button.
void Commuta(QWidget* controllo) {
  QAccessibleInterface* interfaccia = QAccessible::queryAccessibleInterface(controllo);
  ASSERT_TRUE(interfaccia && interfaccia->actionInterface());
  ASSERT_TRUE(interfaccia->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
  interfaccia->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
}

// What a screen reader does with a push button.
void PremiAccessibile(QWidget* controllo) {
  QAccessibleInterface* interfaccia = QAccessible::queryAccessibleInterface(controllo);
  ASSERT_TRUE(interfaccia && interfaccia->actionInterface());
  interfaccia->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

TEST(Accessibilita, TheFormatFilterReactsToItsStateWhateverToggledIt) {
  AmbienteFinestra ambiente;
  ambiente.ClienteAbituale();
  auto finestra = ambiente.NuovaFinestra();
  finestra->Attiva();

  QAction* filtro = frmScegliFoto::Pulsante(finestra->Controlli().tbGruppo, "Filtro");
  auto* bottone = qobject_cast<QAbstractButton*>(finestra->Controlli().tbGruppo->widgetForAction(filtro));
  auto* listaFiltro = finestra->findChild<QComboBox*>(QStringLiteral("cmbFormatiFoto"));
  // Every reload of the format view disables the commands while it runs.
  int ricariche = 0;
  QObject::connect(frmScegliFoto::Pulsante(finestra->Controlli().tbGruppo, "Aggiorna"), &QAction::enabledChanged,
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

TEST(Accessibilita, TheMainWindowsCommandsDoNothingWhileTheSendWindowWorks) {
  AmbienteFinestra ambiente;
  BancoLaboratorio banco;
  ASSERT_TRUE(banco.avviato());
  ambiente.server = banco.datiServer();
  ScriviFotoDaStampa(ambiente.foto.path(), {"a.jpg", "b.jpg"});
  auto finestra = ambiente.FinestraSulleFoto();
  finestra->CopiaNelFormato(QStringLiteral("15x10"));
  finestra->Controlli().fvFotoFormato->Spunte().CheckaTutto(true);
  const QByteArray album = ambiente.programma.Leggi(QStringLiteral("Velistra.xml"));
  ASSERT_EQ(finestra->ordine().NumeroVoci({}), 2);
  ambiente.piattaforma.Azzera();

  const auto cliente = banco.utente(QStringLiteral("cliente"));
  finestra->allaFinestraModale = [&](QDialog& dialogo) {
    UsaFinestraInvio(dialogo, cliente.nome, cliente.password, {"cmdAccedi"});
    auto& invio = dynamic_cast<frmFTP&>(dialogo);
    invio.findChild<QPushButton*>(QStringLiteral("cmdInviaVelistra"))->click();
    // The send runs on a worker: the commands behind its window are pressed meanwhile.
    for (const char* chiave : {"Cancella", "Nuovo"})
      PremiAccessibile(finestra->Controlli().tbGruppo->widgetForAction(frmScegliFoto::Pulsante(finestra->Controlli().tbGruppo, chiave)));
    ASSERT_TRUE(AttendiFinche([&invio] { return !invio.operazioneInCorso(); }, 60000));
  };
  finestra->Premi(finestra->Controlli().tbOperazioni, QStringLiteral("FTP"));
  ASSERT_EQ(finestra->finestreModali, QStringList{QStringLiteral("frmFTP")});
  // The first press of an ordinary customer ends at the payment page, the album as it was.
  EXPECT_EQ(ambiente.piattaforma.documentiAperti().size(), 1);
  EXPECT_EQ(finestra->ordine().NumeroVoci({}), 2);
  EXPECT_EQ(ambiente.programma.Leggi(QStringLiteral("Velistra.xml")), album);
  for (const QString& testo : ambiente.piattaforma.testi()) EXPECT_FALSE(testo.startsWith(QStringLiteral("Rimuovere")));
  // Closed, the window gives the commands back.
  EXPECT_TRUE(frmScegliFoto::Pulsante(finestra->Controlli().tbGruppo, QStringLiteral("Cancella"))->isEnabled());
}

}  // namespace
