#include <QAccessible>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include "VistaProva.h"

namespace {

// The grid through the accessibility API and the keyboard, as a screen reader
// or a user without a mouse drives it: 30 thumbnails, 5 columns, 2 rows whole.
class Accessibile : public VistaProva {
 protected:
  void SetUp() override {
    VistaProva::SetUp();
    vista->Aspetto().ImpostaMostraNumeroFoto(true);
    vista->Aspetto().ImpostaMostraFormatoFotografico(true);
    for (int i = 0; i < 30; ++i)
      ASSERT_TRUE(vista->AggiungiThumbs(Foto(QStringLiteral("f%1.jpg").arg(i)), true,
                                        QStringLiteral("Foto %1").arg(i), std::int16_t(i % 4),
                                        QStringLiteral("15x10"), QStringLiteral("Fill-In")));
    AttendiCopie();
  }
  QAccessibleInterface* Cella(int i) const {
    return QAccessible::queryAccessibleInterface(vista.get())->child(i);
  }
  void Commuta(QAccessibleInterface* elemento) const {
    elemento->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  }
  void Tasto(int tasto, Qt::KeyboardModifiers modificatori = Qt::NoModifier) const {
    QKeyEvent evento(QEvent::KeyPress, tasto, modificatori);
    QCoreApplication::sendEvent(vista.get(), &evento);
  }
};

TEST_F(Accessibile, CellsAreListItemsWhoseToggleIsAClick) {
  QAccessibleInterface* elenco = QAccessible::queryAccessibleInterface(vista.get());
  EXPECT_EQ(elenco->role(), QAccessible::List);
  ASSERT_EQ(elenco->childCount(), 30);
  QAccessibleInterface* cella = Cella(3);
  EXPECT_EQ(cella->role(), QAccessible::ListItem);
  EXPECT_EQ(cella->text(QAccessible::Name), QStringLiteral("Foto 3"));
  EXPECT_EQ(cella->text(QAccessible::Description),
            QStringLiteral("Numero foto: 3, 15x10 - Fill-In"));
  EXPECT_EQ(elenco->indexOfChild(cella), 3);
  EXPECT_EQ(elenco->childAt(cella->rect().center().x(), cella->rect().center().y()), cella);
  EXPECT_TRUE(Cella(29)->state().invisible);  // off the page

  Commuta(cella);
  ASSERT_EQ(vista->Spunte().ElencoFotoSelezionate().size(), 1);
  EXPECT_EQ(vista->Spunte().ElencoFotoSelezionate()[0].NomeCompleto,
            foto.filePath(QStringLiteral("f3.jpg")));
  EXPECT_TRUE(vista->Spunte().CasellaThumb(3)->isChecked());
  EXPECT_TRUE(cella->state().checked);
  Commuta(Cella(29));
  Commuta(cella);
  EXPECT_FALSE(vista->Spunte().CasellaThumb(3)->isChecked());
  // The check box's own toggle, which is no click, counts as well.
  Commuta(QAccessible::queryAccessibleInterface(vista->Spunte().CasellaThumb(2)));
  QStringList titoli;
  for (const FotoSelezionata& scelta : vista->Spunte().ElencoFotoSelezionate()) titoli << scelta.Titolo;
  EXPECT_EQ(titoli, (QStringList{"Foto 2", "Foto 29"}));
}

TEST_F(Accessibile, TabReachesTheGridWhereArrowsSpaceAndCtrlAWork) {
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
  EXPECT_EQ(Superficie()->RiquadroFuoco(), vista->Thumbs()[0].AreaCella);
  EXPECT_TRUE(Cella(0)->state().focused);

  Tasto(Qt::Key_Right);
  Tasto(Qt::Key_Down);
  ASSERT_EQ(vista->IndiceFuoco(), 6);
  Tasto(Qt::Key_Space);
  EXPECT_EQ(vista->Spunte().ElencoFotoSelezionate().size(), 1);
  Tasto(Qt::Key_Space);
  EXPECT_TRUE(vista->Spunte().ElencoFotoSelezionate().isEmpty());

  // Down to the last row: the page scrolls so that the cell is whole.
  for (int i = 0; i < 4; ++i) Tasto(Qt::Key_Down);
  EXPECT_EQ(vista->IndiceFuoco(), 26);
  const QRect area = vista->Thumbs()[26].AreaCella;
  EXPECT_LE(area.bottom(), Superficie()->height());
  EXPECT_EQ(Superficie()->RiquadroFuoco(), area);
  for (int i = 0; i < 5; ++i) Tasto(Qt::Key_Up);
  EXPECT_EQ(vista->findChild<QScrollBar*>(QStringLiteral("vsbSlide"))->value(), 0);

  Tasto(Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(vista->Spunte().ElencoFotoSelezionate().size(), 30);
  vista->setParent(nullptr);  // the fixture owns it
}

}  // namespace
