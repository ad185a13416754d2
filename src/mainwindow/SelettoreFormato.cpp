#include "mainwindow/SelettoreFormato.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "album/SceltaFormato.h"

SelettoreFormato::SelettoreFormato(SceltaFormato& scelta, QWidget* parent)
    : QWidget(parent),
      scelta_(scelta),
      chk_(new QCheckBox(this)),
      cmb_(new QComboBox(this)),
      lbl_(new QLabel(parent)) {
  const DescrizioneSelettore& d = scelta.descrizione();
  chk_->setObjectName(d.casella);
  cmb_->setObjectName(d.lista);
  lbl_->setObjectName(d.etichetta);
  // A long format description goes on a second line rather than being cut.
  lbl_->setWordWrap(true);
  cmb_->setEditable(false);
  cmb_->setToolTip(d.toolTipLista);
  cmb_->setAccessibleName(d.toolTipLista);
  cmb_->setSizeAdjustPolicy(QComboBox::AdjustToContents);

  auto* riga = new QHBoxLayout(this);
  riga->setContentsMargins(0, 0, 0, 0);
  riga->addWidget(chk_);
  riga->addWidget(cmb_);

  connect(chk_, &QCheckBox::toggled, this, [this](bool valore) { scelta_.ImpostaAmatoriale(valore); });
  connect(cmb_, &QComboBox::currentIndexChanged, this, [this](int indice) {
    if (indice >= 0) scelta_.ImpostaFormato(cmb_->itemText(indice));
  });
  connect(&scelta_, &SceltaFormato::cambiata, this, &SelettoreFormato::Aggiorna);
  Aggiorna();
}

SelettoreFormato::~SelettoreFormato() { delete lbl_; }

void SelettoreFormato::CambiaToolTipFormatoAmatoriale(QCheckBox* oChk) {
  const QString testo = ToolTipFormatoAmatoriale(oChk->isChecked());
  oChk->setToolTip(testo);
  oChk->setAccessibleName(testo);
}

void SelettoreFormato::Aggiorna() {
  {
    const QSignalBlocker bloccaCasella(chk_);
    const QSignalBlocker bloccaLista(cmb_);
    chk_->setChecked(scelta_.amatoriale());
    // Rebuilt only when the formats changed: a choice leaves the entries alone.
    QStringList voci;
    for (int i = 0; i < cmb_->count(); ++i) voci.append(cmb_->itemText(i));
    if (voci != scelta_.formati()) {
      cmb_->clear();
      cmb_->addItems(scelta_.formati());
    }
    cmb_->setCurrentIndex(static_cast<int>(scelta_.formati().indexOf(scelta_.formato())));
  }
  CambiaToolTipFormatoAmatoriale(chk_);
  if (lbl_) {
    lbl_->setText(scelta_.testoEtichetta());
    lbl_->setAccessibleName(lbl_->text());
  }
  Q_EMIT aggiornato();
}
