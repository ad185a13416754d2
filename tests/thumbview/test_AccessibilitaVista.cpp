#include <QAccessible>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include "VistaProva.h"

namespace {

// The grid through the accessibility API and the keyboard, as a screen reader
// or a user without a mouse drives it.
class Accessibile : public VistaProva {
 protected:
  void SetUp() override {
    VistaProva::SetUp();
    vista->ImpostaMostraNumeroFoto(true);
    vista->ImpostaMostraFormatoFotografico(true);
    for (int i = 0; i < 30; ++i)
      ASSERT_TRUE(vista->AggiungiThumbs(Foto(QStringLiteral("f%1.jpg").arg(i)), true,
                                        QStringLiteral("Foto %1").arg(i), std::int16_t(i % 4),
                                        QStringLiteral("15x10"), QStringLiteral("Fill-In")));
  }
  QAccessibleInterface* Elenco() const { return QAccessible::queryAccessibleInterface(vista.get()); }
  void Tasto(int tasto, Qt::KeyboardModifiers modificatori = Qt::NoModifier) const {
    QKeyEvent evento(QEvent::KeyPress, tasto, modificatori);
    QCoreApplication::sendEvent(vista.get(), &evento);
  }
  QScrollBar* Barra() const { return vista->findChild<QScrollBar*>(QStringLiteral("vsbSlide")); }
};

TEST_F(Accessibile, TheViewIsAListOfItemsWithNameCaptionsAndCheckState) {
  QAccessibleInterface* elenco = Elenco();
  ASSERT_NE(elenco, nullptr);
  EXPECT_EQ(elenco->role(), QAccessible::List);
  ASSERT_EQ(elenco->childCount(), 30);
  QAccessibleInterface* cella = elenco->child(3);
  ASSERT_NE(cella, nullptr);
  EXPECT_EQ(cella->role(), QAccessible::ListItem);
  EXPECT_EQ(cella->text(QAccessible::Name), QStringLiteral("Foto 3"));
  EXPECT_EQ(cella->text(QAccessible::Description),
            QStringLiteral("Numero foto: 3, 15x10 - Fill-In"));
  EXPECT_EQ(cella->parent(), elenco);
  EXPECT_EQ(elenco->indexOfChild(cella), 3);
  EXPECT_TRUE(cella->state().checkable);
  EXPECT_FALSE(cella->state().checked);
  EXPECT_EQ(elenco->childAt(cella->rect().center().x(), cella->rect().center().y()), cella);
  // Cells off the page are there, but not shown.
  EXPECT_TRUE(elenco->child(29)->state().invisible);
  EXPECT_FALSE(cella->state().invisible);
}

TEST_F(Accessibile, ToggleActionOfACellIsAClick) {
  QAccessibleActionInterface* azioni = Elenco()->child(3)->actionInterface();
  ASSERT_NE(azioni, nullptr);
  ASSERT_TRUE(azioni->actionNames().contains(QAccessibleActionInterface::toggleAction()));
  azioni->doAction(QAccessibleActionInterface::toggleAction());
  ASSERT_EQ(vista->ElencoFotoSelezionate().size(), 1);
  EXPECT_EQ(vista->ElencoFotoSelezionate()[0].NomeCompleto, foto.filePath(QStringLiteral("f3.jpg")));
  EXPECT_TRUE(vista->CasellaThumb(3)->isChecked());
  EXPECT_TRUE(Elenco()->child(3)->state().checked);
  // Off the page as well.
  Elenco()->child(29)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  EXPECT_EQ(vista->ElencoFotoSelezionate().size(), 2);
  azioni->doAction(QAccessibleActionInterface::toggleAction());
  EXPECT_FALSE(vista->CasellaThumb(3)->isChecked());
  EXPECT_EQ(vista->ElencoFotoSelezionate().size(), 1);
}

TEST_F(Accessibile, ACheckBoxToggledWithoutAClickChecksTheRecord) {
  QAccessibleInterface* casella = QAccessible::queryAccessibleInterface(vista->CasellaThumb(2));
  ASSERT_NE(casella, nullptr);
  ASSERT_NE(casella->actionInterface(), nullptr);
  casella->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  ASSERT_EQ(vista->ElencoFotoSelezionate().size(), 1);
  EXPECT_EQ(vista->ElencoFotoSelezionate()[0].Titolo, QStringLiteral("Foto 2"));
  vista->CasellaThumb(2)->toggle();
  EXPECT_TRUE(vista->ElencoFotoSelezionate().isEmpty());
}

TEST_F(Accessibile, TabReachesTheGridAndArrowsSpaceAndCtrlAWork) {
  QWidget finestra;
  auto* disposizione = new QVBoxLayout(&finestra);
  auto* campo = new QLineEdit(&finestra);
  disposizione->addWidget(campo);
  disposizione->addWidget(vista.get());
  finestra.resize(660, 500);
  finestra.show();
  finestra.activateWindow();
  QCoreApplication::processEvents();
  campo->setFocus();
  QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
  QCoreApplication::sendEvent(campo, &tab);
  ASSERT_TRUE(vista->hasFocus());
  EXPECT_EQ(vista->IndiceFuoco(), 0);
  EXPECT_EQ(Superficie()->RiquadroFuoco(), vista->Thumbs()[0].AreaCella);
  EXPECT_TRUE(Elenco()->child(0)->state().focused);

  Tasto(Qt::Key_Right);
  Tasto(Qt::Key_Down);
  EXPECT_EQ(vista->IndiceFuoco(), 1 + vista->NumeroColonne());
  Tasto(Qt::Key_Space);
  EXPECT_EQ(vista->Thumbs()[vista->IndiceFuoco()].Selezionata, 1);
  EXPECT_TRUE(vista->CasellaThumb(vista->IndiceFuoco())->isChecked());
  Tasto(Qt::Key_Space);
  EXPECT_TRUE(vista->ElencoFotoSelezionate().isEmpty());

  // Down to the last row: the page scrolls so the focused cell is shown whole.
  for (int i = 0; i < 4; ++i) Tasto(Qt::Key_Down);
  EXPECT_EQ(vista->IndiceFuoco(), 26);
  EXPECT_GT(Barra()->value(), 0);
  const QRect area = vista->Thumbs()[26].AreaCella;
  ASSERT_FALSE(area.isEmpty());
  EXPECT_LE(area.bottom(), Superficie()->height());
  EXPECT_EQ(Superficie()->RiquadroFuoco(), area);
  for (int i = 0; i < 5; ++i) Tasto(Qt::Key_Up);
  EXPECT_EQ(vista->IndiceFuoco(), 1);
  EXPECT_EQ(Barra()->value(), 0);

  Tasto(Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(vista->ElencoFotoSelezionate().size(), 30);
  vista->setParent(nullptr);  // the fixture owns it
}

}  // namespace
