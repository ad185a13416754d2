#include "mainwindow/frmStoricoOrdini.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

#include "album/CatalogoFormati.h"
#include "common/NumeriCliente.h"
#include "common/Percorsi.h"
#include "windows/Piattaforma.h"

namespace {

QStringList Colonne(const OrdineStorico& ordine) {
  return {ordine.quando.toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm")),
          ordine.tipo == TipoOrdine::Invio ? QStringLiteral("Invio") : QStringLiteral("Cartella"),
          TestoIntero(ordine.foto.size()), ImportoInEuro(ordine.importo)};
}

QPushButton* NuovoPulsante(const QString& testo, const char* nome, QWidget* genitore) {
  auto* pulsante = new QPushButton(testo, genitore);
  pulsante->setObjectName(QString::fromLatin1(nome));
  pulsante->setAccessibleName(testo);
  return pulsante;
}

}  // namespace

frmStoricoOrdini::frmStoricoOrdini(QList<OrdineStorico> ordini, QWidget* genitore)
    : QDialog(genitore),
      ordini_(std::move(ordini)),
      lvOrdini_(new QTreeWidget(this)),
      cmdApriCartella_(NuovoPulsante(QStringLiteral("Apri cartella"), "cmdApriCartella", this)),
      cmdRipetiOrdine_(NuovoPulsante(QStringLiteral("Ripeti ordine"), "cmdRipetiOrdine", this)),
      cmdChiudi_(NuovoPulsante(QStringLiteral("Chiudi"), "cmdChiudi", this)) {
  setObjectName(QStringLiteral("frmStoricoOrdini"));
  setWindowTitle(QStringLiteral("Storico ordini"));

  lvOrdini_->setObjectName(QStringLiteral("lvOrdini"));
  lvOrdini_->setAccessibleName(QStringLiteral("Ordini"));
  lvOrdini_->setRootIsDecorated(false);
  lvOrdini_->setHeaderLabels({QStringLiteral("Data"), QStringLiteral("Tipo"), QStringLiteral("Foto"),
                              QStringLiteral("Importo")});
  for (const OrdineStorico& ordine : ordini_) {
    auto* riga = new QTreeWidgetItem(lvOrdini_, Colonne(ordine));
    for (int colonna : {2, 3}) riga->setTextAlignment(colonna, Qt::AlignRight | Qt::AlignVCenter);
  }
  for (int colonna = 0; colonna < lvOrdini_->columnCount(); ++colonna) lvOrdini_->resizeColumnToContents(colonna);
  if (!ordini_.isEmpty()) lvOrdini_->setCurrentItem(lvOrdini_->topLevelItem(0));

  connect(lvOrdini_, &QTreeWidget::currentItemChanged, this, &frmStoricoOrdini::AggiornaPulsanti);
  connect(cmdApriCartella_, &QPushButton::clicked, this, [this] {
    if (const OrdineStorico* ordine = Selezionato()) piattaforma().ApriDocumento(this, ordine->destinazione);
  });
  connect(cmdRipetiOrdine_, &QPushButton::clicked, this, [this] {
    if (const OrdineStorico* ordine = Selezionato()) {
      daRipetere_ = *ordine;
      accept();
    }
  });
  connect(cmdChiudi_, &QPushButton::clicked, this, &QDialog::reject);

  auto* pulsanti = new QHBoxLayout;
  pulsanti->addWidget(cmdApriCartella_);
  pulsanti->addWidget(cmdRipetiOrdine_);
  pulsanti->addStretch();
  pulsanti->addWidget(cmdChiudi_);
  auto* colonna = new QVBoxLayout(this);
  colonna->addWidget(lvOrdini_);
  colonna->addLayout(pulsanti);
  resize(520, 320);
  AggiornaPulsanti();
}

const OrdineStorico* frmStoricoOrdini::Selezionato() const {
  const int riga = lvOrdini_->indexOfTopLevelItem(lvOrdini_->currentItem());
  return riga >= 0 && riga < ordini_.size() ? &ordini_[riga] : nullptr;
}

void frmStoricoOrdini::AggiornaPulsanti() {
  const OrdineStorico* ordine = Selezionato();
  cmdApriCartella_->setEnabled(ordine && ordine->tipo == TipoOrdine::Cartella && IsCartella(ordine->destinazione));
  cmdRipetiOrdine_->setEnabled(ordine && !ordine->foto.isEmpty());
}
