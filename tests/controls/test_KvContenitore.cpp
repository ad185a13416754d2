#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDragMoveEvent>
#include <QImage>
#include <QMimeData>
#include <QMouseEvent>

#include "controls/KvBorsaProprieta.h"
#include "controls/KvContenitore.h"
#include "controls/KvDatiTrascinamento.h"

namespace {

// The drag handlers, reached directly: outside a real drag the application
// does not deliver drag events.
class ContenitoreTrascinabile : public KvContenitore {
 public:
  using KvContenitore::dragMoveEvent;
  using KvContenitore::dropEvent;
};

const QColor kNero(0, 0, 0), kBianco(255, 255, 255), kScuro(0x7F, 0x7F, 0x7F), kChiaro(0xDF, 0xDF, 0xDF);

// A container of 1500 by 600 twips that records the properties it reports changed.
struct Contenitore {
  explicit Contenitore(QWidget* genitore = nullptr) : controllo(genitore) {
    controllo.resize(100, 40);
    QObject::connect(&controllo, &KvSuperficie::proprietaCambiata,
                     [this](const QString& nome) { cambiate.append(nome); });
  }
  QList<QColor> Colori() const {
    QList<QColor> colori;
    for (int i = 0; i < KvContenitore::kLineeBordo; ++i) colori.append(controllo.Bordo(i).colore);
    return colori;
  }
  int Visibili() const {
    int n = 0;
    for (int i = 0; i < KvContenitore::kLineeBordo; ++i) n += controllo.Bordo(i).visibile;
    return n;
  }
  KvContenitore controllo;
  QStringList cambiate;
};

const QList<QColor> kIncavato = {kScuro, kNero, kBianco, kChiaro, kBianco, kChiaro, kScuro, kNero};
const QList<QColor> kRilievo = {kChiaro, kBianco, kNero, kScuro, kNero, kScuro, kChiaro, kBianco};

TEST(KvContenitore, TheFrameOfA1500By600TwipControlShowsEachLineInItsColour) {
  Contenitore c;
  c.controllo.InizializzaProprieta();
  EXPECT_EQ(c.controllo.Stile(), 2);
  EXPECT_EQ(c.controllo.Bordo(4).posizione, QLine(0, 585, 1500, 585));
  EXPECT_EQ(c.Colori(), kIncavato);
  EXPECT_EQ(c.Visibili(), 8);

  // Painted one pixel per 15 twips: the middle of each side shows lines 0 to 7 in their colours.
  const QImage immagine = c.controllo.grab().toImage();
  const QPoint linee[] = {{50, 0}, {50, 1}, {99, 20}, {98, 20}, {50, 39}, {50, 38}, {0, 20}, {1, 20}};
  for (int i = 0; i < KvContenitore::kLineeBordo; ++i) EXPECT_EQ(immagine.pixelColor(linee[i]), kIncavato[i]) << i;
  EXPECT_EQ(immagine.pixelColor(50, 20), c.controllo.palette().color(QPalette::Button));

  // The lines follow the size.
  c.controllo.resize(200, 40);
  EXPECT_EQ(c.controllo.Bordo(4).posizione, QLine(0, 585, 3000, 585));
}

TEST(KvContenitore, StyleZeroFromASavedDesignShowsTheSunkenLookOfCreation) {
  KvBorsaProprieta borsa;
  borsa.Scrivi(QStringLiteral("Stile"), 0, 2);
  Contenitore c;
  c.controllo.LeggiProprieta(borsa);
  EXPECT_EQ(c.controllo.Stile(), 0);
  EXPECT_EQ(c.Colori(), kIncavato);
  EXPECT_EQ(c.Visibili(), 8);
}

TEST(KvContenitore, EachStyleSetsItsLinesAndAHiddenFrameStaysHidden) {
  Contenitore c;
  c.controllo.setStile(1);  // flat: only the outer lines, in black
  for (int i = 0; i < KvContenitore::kLineeBordo; ++i) {
    EXPECT_EQ(c.controllo.Bordo(i).visibile, i % 2 == 0) << i;
    if (i % 2 == 0) EXPECT_EQ(c.controllo.Bordo(i).colore, kNero) << i;
  }
  c.controllo.setStile(2);
  EXPECT_EQ(c.Visibili(), 8);
  EXPECT_EQ(c.Colori(), kIncavato);

  // Out of range: the style stays but the change is still recorded.
  c.controllo.setStile(3);
  c.cambiate.clear();
  c.controllo.setStile(7);
  EXPECT_EQ(c.controllo.Stile(), 3);
  EXPECT_EQ(c.Colori(), kRilievo);
  EXPECT_EQ(c.cambiate, QStringList{QStringLiteral("Stile")});

  c.controllo.VisualizzaBordo(false);
  c.controllo.setStile(2);
  EXPECT_EQ(c.Colori(), kIncavato);
  EXPECT_EQ(c.Visibili(), 0);
  c.controllo.setStile(1);
  EXPECT_EQ(c.Visibili(), 0);
  EXPECT_EQ(c.controllo.grab().toImage().pixelColor(50, 39), c.controllo.palette().color(QPalette::Button));
}

TEST(KvContenitore, SavedPropertiesComeBackInTheirOrderWithStileAfterTheSurface) {
  Contenitore primo;
  primo.controllo.setBackColor(0x00336699u);
  primo.controllo.setStile(4);
  primo.controllo.setEnabled(false);
  primo.controllo.setOLEDropMode(1);
  primo.controllo.setMousePointer(11);
  KvBorsaProprieta borsa;
  primo.controllo.ScriviProprieta(borsa);
  // Values equal to their defaults are not stored.
  EXPECT_FALSE(borsa.Contiene(QStringLiteral("BackStyle")));
  EXPECT_FALSE(borsa.Contiene(QStringLiteral("MouseIcon")));

  Contenitore secondo;
  secondo.controllo.LeggiProprieta(borsa);
  EXPECT_EQ(secondo.controllo.BackColor(), 0x00336699u);
  EXPECT_EQ(secondo.controllo.Stile(), 4);
  EXPECT_FALSE(secondo.controllo.Enabled());
  EXPECT_EQ(secondo.controllo.OLEDropMode(), 1);
  EXPECT_TRUE(secondo.controllo.acceptDrops());
  EXPECT_EQ(secondo.controllo.MousePointer(), 11);
  EXPECT_EQ(secondo.controllo.cursor().shape(), Qt::WaitCursor);
  EXPECT_EQ(secondo.cambiate, (QStringList{QStringLiteral("BackColor"), QStringLiteral("Enabled"),
                                           QStringLiteral("Stile"), QStringLiteral("MousePointer"),
                                           QStringLiteral("MouseIcon")}));
  // 0x00BBGGRR: red 0x99, green 0x66, blue 0x33.
  EXPECT_EQ(secondo.controllo.grab().toImage().pixelColor(50, 20), QColor(0x99, 0x66, 0x33));
}

TEST(KvContenitore, OnlyItsOwnEnabledFlagIsRecordedAsChanged) {
  QWidget finestra;
  Contenitore c(&finestra);
  finestra.setEnabled(false);
  finestra.setEnabled(true);
  EXPECT_TRUE(c.cambiate.isEmpty());
  c.controllo.setProperty("Enabled", false);
  EXPECT_FALSE(c.controllo.Enabled());
  EXPECT_EQ(c.cambiate, QStringList{QStringLiteral("Enabled")});
}

TEST(KvContenitore, MouseEventsCarryButtonShiftAndTwipsAndAClickFollows) {
  Contenitore c;
  QStringList eventi;
  QObject::connect(&c.controllo, &KvContenitore::MouseDown, [&](qint16 b, qint16 s, float x, float y) {
    eventi.append(QStringLiteral("Down %1 %2 %3 %4").arg(b).arg(s).arg(x).arg(y));
  });
  QObject::connect(&c.controllo, &KvContenitore::MouseUp, [&](qint16 b, qint16, float, float) {
    eventi.append(QStringLiteral("Up %1").arg(b));
  });
  QObject::connect(&c.controllo, &KvContenitore::Click, [&] { eventi.append(QStringLiteral("Click")); });
  const QPointF punto(10, 4);
  QMouseEvent giu(QEvent::MouseButtonPress, punto, c.controllo.mapToGlobal(punto), Qt::RightButton,
                  Qt::RightButton, Qt::ControlModifier | Qt::ShiftModifier);
  QMouseEvent su(QEvent::MouseButtonRelease, punto, c.controllo.mapToGlobal(punto), Qt::RightButton,
                 Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&c.controllo, &giu);
  QCoreApplication::sendEvent(&c.controllo, &su);
  EXPECT_EQ(eventi, (QStringList{QStringLiteral("Down 2 3 150 60"), QStringLiteral("Up 2"),
                                 QStringLiteral("Click")}));
}

TEST(KvContenitore, TheHoldersEffectDecidesTheDropResult) {
  ContenitoreTrascinabile controllo;
  controllo.resize(100, 40);
  controllo.setOLEDropMode(1);
  qint32 rispostaEffetto = 0;
  qint16 statoVisto = -1;
  QObject::connect(&controllo, &KvContenitore::OLEDragOver,
                   [&](const QMimeData*, qint32& effetto, qint16, qint16, float, float, qint16 stato) {
                     effetto = rispostaEffetto;
                     statoVisto = stato;
                   });
  QMimeData dati;
  dati.setText(QStringLiteral("foto"));
  const Qt::DropActions possibili = Qt::CopyAction | Qt::MoveAction;

  rispostaEffetto = 2;  // move
  QDragMoveEvent sopra(QPoint(5, 5), possibili, &dati, Qt::LeftButton, Qt::NoModifier);
  controllo.dragMoveEvent(&sopra);
  EXPECT_EQ(statoVisto, 2);
  EXPECT_TRUE(sopra.isAccepted());
  EXPECT_EQ(sopra.dropAction(), Qt::MoveAction);

  rispostaEffetto = 0;  // none
  QDragMoveEvent rifiutato(QPoint(5, 5), possibili, &dati, Qt::LeftButton, Qt::NoModifier);
  controllo.dragMoveEvent(&rifiutato);
  EXPECT_FALSE(rifiutato.isAccepted());

  qint32 effettoRilascio = 0;
  QObject::connect(&controllo, &KvContenitore::OLEDragDrop,
                   [&](const QMimeData* d, qint32& effetto, qint16, qint16, float x, float) {
                     EXPECT_EQ(d->text(), QStringLiteral("foto"));
                     EXPECT_FLOAT_EQ(x, 75.0f);
                     effettoRilascio = effetto;
                     effetto = 1;  // copy
                   });
  QDropEvent rilascio(QPointF(5, 5), possibili, &dati, Qt::LeftButton, Qt::NoModifier);
  controllo.dropEvent(&rilascio);
  EXPECT_EQ(effettoRilascio, 3);
  EXPECT_TRUE(rilascio.isAccepted());
  EXPECT_EQ(rilascio.dropAction(), Qt::CopyAction);
}

TEST(KvDatiTrascinamento, ADeclaredFormatIsAskedForOnlyWhenATargetWantsIt) {
  QList<qint16> richiesti;
  KvDatiTrascinamento dati([&](KvDatiTrascinamento* d, qint16 formato) {
    richiesti.append(formato);
    d->setText(QStringLiteral("ritardato"));
  });
  dati.DichiaraFormato(QStringLiteral("text/plain"));
  EXPECT_TRUE(dati.hasFormat(QStringLiteral("text/plain")));
  EXPECT_TRUE(richiesti.isEmpty());
  EXPECT_EQ(dati.text(), QStringLiteral("ritardato"));
  EXPECT_EQ(richiesti, QList<qint16>{1});
  dati.text();
  EXPECT_EQ(richiesti.size(), 1);
}

}  // namespace
