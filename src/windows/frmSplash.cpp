#include "windows/frmSplash.h"

#include <QGridLayout>
#include <QIcon>

#include "windows/CampiInput.h"
#include "windows/Contatti.h"
#include "windows/EtichettaCliccabile.h"
#include "windows/TestoVersione.h"

// The window resources live in the static core library, so they are registered by hand.
static void CaricaRisorseFinestre() { Q_INIT_RESOURCE(finestre); }

namespace {
constexpr int kLatoLogo = 128;
}

frmSplash::frmSplash(const PercorsiProgramma& percorsi, QWidget* genitore)
    : QDialog(genitore, Qt::Dialog | Qt::FramelessWindowHint),
      imgLogo_(new EtichettaCliccabile(this)),
      lblProductName_(new QLabel(QStringLiteral("Velistra"), this)),
      lblVersion_(new QLabel(this)),
      lblChiudi_(new EtichettaCliccabile(QStringLiteral("x"), this)) {
  CaricaRisorseFinestre();
  setObjectName(QStringLiteral("frmSplash"));
  setWindowTitle(QString());
  setAccessibleName(QStringLiteral("Velistra"));

  imgLogo_->setObjectName(QStringLiteral("imgLogo"));
  imgLogo_->setPixmap(QIcon(QStringLiteral(":/finestre/logo/Velistra.svg")).pixmap(kLatoLogo, kLatoLogo));
  imgLogo_->setCursor(Qt::PointingHandCursor);
  imgLogo_->setAccessibleName(QStringLiteral("Logo di Velistra"));
  connect(imgLogo_, &EtichettaCliccabile::cliccata, this, &frmSplash::ScriviAlProduttore);

  lblProductName_->setObjectName(QStringLiteral("lblProductName"));
  lblProductName_->setAccessibleName(QStringLiteral("Velistra"));
  QFont grande = lblProductName_->font();
  grande.setPointSizeF(grande.pointSizeF() * 2.5);
  grande.setBold(true);
  lblProductName_->setFont(grande);

  lblVersion_->setObjectName(QStringLiteral("lblVersion"));
  lblVersion_->setAccessibleName(QStringLiteral("Versione"));
  lblVersion_->setText(TestoVersioneProgramma(percorsi));

  lblChiudi_->setObjectName(QStringLiteral("lblChiudi"));
  lblChiudi_->setToolTip(QStringLiteral("Chiudi"));
  lblChiudi_->setAccessibleName(QStringLiteral("Chiudi"));
  lblChiudi_->setCursor(Qt::PointingHandCursor);
  lblChiudi_->setAlignment(Qt::AlignRight | Qt::AlignTop);
  connect(lblChiudi_, &EtichettaCliccabile::cliccata, this, &QDialog::close);

  auto* griglia = new QGridLayout(this);
  griglia->addWidget(lblChiudi_, 0, 2, Qt::AlignRight | Qt::AlignTop);
  griglia->addWidget(imgLogo_, 1, 0, 2, 1);
  griglia->addWidget(lblProductName_, 1, 1, Qt::AlignBottom);
  griglia->addWidget(lblVersion_, 2, 1, Qt::AlignTop);
  griglia->setColumnStretch(1, 1);
  setStyleSheet(QStringLiteral("frmSplash { border: 1px solid palette(dark); }"));
}

void frmSplash::ScriviAlProduttore() {
  ApriDocumento(this, QStringLiteral("mailto:") + kIndirizzoPostaContatto);
}
