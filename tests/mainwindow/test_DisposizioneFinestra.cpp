#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QToolBar>

#include "FinestraProva.h"
#include "windows/PannelloSfumato.h"
#include "mainwindow/DivisoreTrascinabile.h"
#include "mainwindow/PosizioneDivisore.h"

namespace {

// The commands and boxes of a bar that are not shown whole inside it (those
// behind its extension button), comma-separated.
std::string NonVisibili(const QToolBar* barra) {
  QStringList nascosti;
  for (QAction* azione : barra->actions()) {
    if (azione->isSeparator()) continue;
    const QWidget* controllo = barra->widgetForAction(azione);
    if (!controllo || !controllo->isVisible() || !barra->rect().contains(controllo->geometry()))
      nascosti.append(!azione->objectName().isEmpty() || !controllo ? azione->objectName() : controllo->objectName());
  }
  return nascosti.join(u',').toStdString();
}

// Labels and status panels whose text does not fit in them, comma-separated.
std::string Tagliate(const QWidget& finestra) {
  QStringList tagliate;
  for (const QLabel* etichetta : finestra.findChildren<QLabel*>()) {
    if (!etichetta->isVisible() || etichetta->text().isEmpty()) continue;
    const bool entra = etichetta->wordWrap() ? etichetta->heightForWidth(etichetta->width()) <= etichetta->height()
                                             : etichetta->sizeHint().width() <= etichetta->width();
    if (!entra) tagliate.append(etichetta->objectName());
  }
  for (const PannelloSfumato* pannello : finestra.findChildren<PannelloSfumato*>())
    if (pannello->fontMetrics().horizontalAdvance(pannello->testo()) + 4 > pannello->width())
      tagliate.append(pannello->objectName());
  return tagliate.join(u',').toStdString();
}

QString Dimensione(const QSize& s) { return QStringLiteral("%1x%2").arg(s.width()).arg(s.height()); }

class DisposizioneFinestra : public ::testing::Test {
 protected:
  void SetUp() override {
    ambiente.ClienteAbituale();
    finestra = ambiente.NuovaFinestra();
    finestra->Attiva();
  }
  void Ridimensiona(const QSize& dimensione) {
    finestra->resize(dimensione);
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }

  AmbienteFinestra ambiente;
  std::unique_ptr<FinestraProva> finestra;
};

}  // namespace

TEST(RegolaDivisore, KeepsAFittingPlaceMovesAnotherAndFavoursTheRightColumn) {
  const MisureColonne misure{.inizioCentrale = 200, .minimoCentrale = 300, .minimoDestra = 400, .larghezzaDivisore = 5};
  // Both fit between 502 and 1191 at 1600 pixels.
  EXPECT_EQ(PosizioneDivisore(misure, 1600, 700), 700);
  EXPECT_EQ(PosizioneDivisore(misure, 1600, 500), 502);
  EXPECT_EQ(PosizioneDivisore(misure, 1600, 1400), 1191);
  // Too narrow for both: the right column whole, the middle one what is left.
  EXPECT_EQ(PosizioneDivisore(misure, 900, 700), 491);
  // Never left of the drag's minimum.
  EXPECT_EQ(PosizioneDivisore(misure, 600, 700), DivisoreTrascinabile::kSinistraMinima);
}

TEST_F(DisposizioneFinestra, CommonScreensShowEveryCommandAndEveryTextWhole) {
  for (const QSize dimensione : {QSize(1280, 800), QSize(1200, 900)}) {
    // The installed splitter place, which leaves the middle column too narrow.
    finestra->Controlli().picResizer2->ImpostaPosizioneScelta(500);
    Ridimensiona(dimensione);
    // The professional formats have longer names.
    for (const bool amatoriali : {true, false}) {
      for (const char* casella : {"chkFormatiCopia", "chkFormatiFoto", "chkFormatiOperazioni"})
        finestra->findChild<QCheckBox*>(QString::fromLatin1(casella))->setChecked(amatoriali);
      QCoreApplication::processEvents();
      const std::string schermo = Dimensione(dimensione).toStdString() + (amatoriali ? " 4:3" : " 3:2");
      for (const QToolBar* barra : {finestra->Controlli().tbCartella, finestra->Controlli().tbGruppo,
                                    finestra->Controlli().tbOperazioni})
        EXPECT_EQ(NonVisibili(barra), "") << schermo << ' ' << barra->objectName().toStdString();
      EXPECT_EQ(Tagliate(*finestra), "") << schermo;
    }
  }
}

TEST_F(DisposizioneFinestra, A1024ScreenKeepsTheCommandsThatMakeTheOrder) {
  Ridimensiona(QSize(1024, 768));
  const std::string cartella = NonVisibili(finestra->Controlli().tbCartella);
  const std::string operazioni = NonVisibili(finestra->Controlli().tbOperazioni);
  EXPECT_EQ(cartella.find("CopiaIn"), std::string::npos) << cartella;
  EXPECT_EQ(operazioni.find("C8"), std::string::npos) << operazioni;
  EXPECT_EQ(operazioni.find("FTP"), std::string::npos) << operazioni;
  EXPECT_EQ(Tagliate(*finestra), "");
}
