#include "mainwindow/frmDettaglioPrezzo.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "windows/PulsanteChiudi.h"

namespace {

// Counts and amounts are read down their column.
constexpr int kPrimaColonnaNumerica = 2;

QLabel* Etichetta(const QString& nome, const QString& testo, QWidget* genitore) {
  auto* etichetta = new QLabel(testo, genitore);
  etichetta->setObjectName(nome);
  etichetta->setAccessibleName(testo);
  return etichetta;
}

}  // namespace

frmDettaglioPrezzo::frmDettaglioPrezzo(const DettaglioPrezzo& dettaglio, QWidget* genitore)
    : QDialog(genitore), dettaglio_(dettaglio) {
  setObjectName(QStringLiteral("frmDettaglioPrezzo"));
  setWindowTitle(QStringLiteral("Dettaglio del prezzo"));

  QLabel* totale = Etichetta(QStringLiteral("lblTotale"), TestoTotale(dettaglio_.totale), this);
  QFont grassetto = totale->font();
  grassetto.setBold(true);
  totale->setFont(grassetto);
  QLabel* listino = Etichetta(QStringLiteral("lblListino"), dettaglio_.listino, this);

  auto* cmdCopia = new QPushButton(QStringLiteral("Copia"), this);
  cmdCopia->setObjectName(QStringLiteral("cmdCopia"));
  cmdCopia->setToolTip(QStringLiteral("Copia il dettaglio come testo (Ctrl+C)"));
  cmdCopia->setAccessibleName(cmdCopia->toolTip());
  connect(cmdCopia, &QPushButton::clicked, this, &frmDettaglioPrezzo::CopiaNegliAppunti);
  QPushButton* cmdChiudi = NuovoPulsanteChiudi(this);

  auto* fondo = new QHBoxLayout;
  fondo->addWidget(listino);
  fondo->addStretch();
  fondo->addWidget(cmdCopia);
  fondo->addWidget(cmdChiudi);
  auto* colonna = new QVBoxLayout(this);
  colonna->addWidget(CreaTabella());
  colonna->addWidget(totale, 0, Qt::AlignRight);
  colonna->addLayout(fondo);
}

QTableWidget* frmDettaglioPrezzo::CreaTabella() {
  const QStringList intestazioni = IntestazioniDettaglio();
  auto* tabella = new QTableWidget(static_cast<int>(dettaglio_.righe.size()), static_cast<int>(intestazioni.size()), this);
  tabella->setObjectName(QStringLiteral("tblDettaglio"));
  tabella->setAccessibleName(QStringLiteral("Dettaglio del prezzo"));
  tabella->setHorizontalHeaderLabels(intestazioni);
  tabella->verticalHeader()->hide();
  tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Without the focus it leaves Ctrl+C to the window: it would copy one cell.
  tabella->setFocusPolicy(Qt::NoFocus);
  tabella->setSelectionMode(QAbstractItemView::NoSelection);
  for (int r = 0; r < tabella->rowCount(); ++r) {
    const QStringList celle = CelleRiga(dettaglio_.righe[r]);
    for (int c = 0; c < celle.size(); ++c) {
      auto* cella = new QTableWidgetItem(celle[c]);
      if (c >= kPrimaColonnaNumerica) cella->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      tabella->setItem(r, c, cella);
    }
  }
  tabella->resizeColumnsToContents();
  tabella->horizontalHeader()->setStretchLastSection(true);
  // Every row and column in sight without scrolling, up to a screenful.
  int larghezza = 2 * tabella->frameWidth();
  for (int c = 0; c < tabella->columnCount(); ++c) larghezza += tabella->columnWidth(c);
  int altezza = 2 * tabella->frameWidth() + tabella->horizontalHeader()->sizeHint().height();
  for (int r = 0; r < tabella->rowCount(); ++r) altezza += tabella->rowHeight(r);
  tabella->setMinimumSize(std::min(larghezza, 900), std::min(altezza, 500));
  return tabella;
}

void frmDettaglioPrezzo::keyPressEvent(QKeyEvent* evento) {
  if (evento->matches(QKeySequence::Copy)) return CopiaNegliAppunti();
  QDialog::keyPressEvent(evento);
}

void frmDettaglioPrezzo::CopiaNegliAppunti() const {
  QApplication::clipboard()->setText(TestoDettaglioPrezzo(dettaglio_));
}
