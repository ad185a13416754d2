#include "windows/frmMessaggioAvviso.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/Impostazioni.h"
#include "windows/PulsanteChiudi.h"

frmMessaggioAvviso::frmMessaggioAvviso(const PercorsiProgramma& percorsi, QWidget* genitore)
    : QDialog(genitore),
      percorsi_(percorsi),
      chkMostraMessaggio_(new QCheckBox(QStringLiteral("Non mostrare più questo mesasggio all'avvio"), this)) {
  setObjectName(QStringLiteral("frmMessaggioAvviso"));
  setWindowTitle(QStringLiteral("ATTENZIONE!"));

  auto* primo = new QLabel(QStringLiteral("Tutte le fotografie verranno corrette manualmente dal "
                                          "fotografo per migliorare la resa di stampa."),
                           this);
  primo->setObjectName(QStringLiteral("lblTesto1"));
  auto* secondo = new QLabel(QStringLiteral("Le fotografie non verranno compresse per non "
                                            "compromettere la qualità di stampa."),
                             this);
  secondo->setObjectName(QStringLiteral("lblTesto2"));
  for (QLabel* testo : {primo, secondo}) testo->setWordWrap(true);

  chkMostraMessaggio_->setObjectName(QStringLiteral("chkMostraMessaggio"));
  chkMostraMessaggio_->setAccessibleName(chkMostraMessaggio_->text());
  chkMostraMessaggio_->setChecked(false);
  QPushButton* cmdChiudi = NuovoPulsanteChiudi(this);

  auto* fondo = new QHBoxLayout;
  fondo->addWidget(chkMostraMessaggio_);
  fondo->addStretch();
  fondo->addWidget(cmdChiudi);
  auto* colonna = new QVBoxLayout(this);
  colonna->addWidget(primo);
  colonna->addWidget(secondo);
  colonna->addLayout(fondo);
}

void frmMessaggioAvviso::done(int esito) {
  Impostazioni(percorsi_).ScriviNonMostrareMessaggio(chkMostraMessaggio_->isChecked());
  QDialog::done(esito);
}
