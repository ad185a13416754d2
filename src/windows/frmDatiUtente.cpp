#include "windows/frmDatiUtente.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "windows/AvvisoSalvataggio.h"
#include "windows/CampiInput.h"
#include "settings/Impostazioni.h"

namespace {
constexpr int kLunghezzaMassima = 50;
}

frmDatiUtente::frmDatiUtente(const PercorsiProgramma& percorsi, QWidget* genitore)
    : QDialog(genitore),
      percorsi_(percorsi),
      txtCognome_(NuovoCampo("txtCognome", QStringLiteral("Cognome"))),
      txtNome_(NuovoCampo("txtNome", QStringLiteral("Nome"))),
      txtCitta_(NuovoCampo("txtCitta", QStringLiteral("Città"))),
      txtVia_(NuovoCampo("txtVia", QStringLiteral("Via"))),
      cmdSalva_(new QPushButton(QStringLiteral("Salva"), this)),
      cmdChiudi_(new QPushButton(QStringLiteral("Chiudi"), this)) {
  setObjectName(QStringLiteral("frmDatiUtente"));
  setWindowTitle(QStringLiteral("Dati utente"));

  auto* spiegazione = new QLabel(
      QStringLiteral("Queste informazioni servono esclusivamente per permettere al fotografo di "
                     "riconoscere velocemente le tue fotografie."),
      this);
  spiegazione->setObjectName(QStringLiteral("lblSpiegazione"));
  spiegazione->setWordWrap(true);

  auto* modulo = new QFormLayout;
  for (QLineEdit* campo : {txtCognome_, txtNome_, txtCitta_, txtVia_}) {
    auto* etichetta = new QLabel(campo->accessibleName(), this);
    etichetta->setBuddy(campo);
    modulo->addRow(etichetta, campo);
  }

  cmdSalva_->setObjectName(QStringLiteral("cmdSalva"));
  cmdSalva_->setAccessibleName(QStringLiteral("Salva"));
  cmdSalva_->setDefault(true);
  cmdChiudi_->setObjectName(QStringLiteral("cmdChiudi"));
  cmdChiudi_->setAccessibleName(QStringLiteral("Chiudi"));
  connect(cmdSalva_, &QPushButton::clicked, this, &frmDatiUtente::Salva);
  connect(cmdChiudi_, &QPushButton::clicked, this, &QDialog::close);

  auto* pulsanti = new QHBoxLayout;
  pulsanti->addStretch();
  pulsanti->addWidget(cmdSalva_);
  pulsanti->addWidget(cmdChiudi_);
  auto* colonna = new QVBoxLayout(this);
  colonna->addWidget(spiegazione);
  colonna->addLayout(modulo);
  colonna->addLayout(pulsanti);

  setTabOrder(txtCognome_, txtNome_);
  setTabOrder(txtNome_, txtCitta_);
  setTabOrder(txtCitta_, txtVia_);
  setTabOrder(txtVia_, cmdSalva_);
  setTabOrder(cmdSalva_, cmdChiudi_);

  const DatiUtente dati = Impostazioni(percorsi_).LeggiDatiUtente();
  txtCognome_->setText(dati.Cognome);
  txtNome_->setText(dati.Nome);
  txtCitta_->setText(dati.Citta);
  txtVia_->setText(dati.Via);
}

QLineEdit* frmDatiUtente::NuovoCampo(const char* nomeOggetto, const QString& etichetta) {
  auto* campo = new QLineEdit(this);
  campo->setObjectName(QString::fromLatin1(nomeOggetto));
  campo->setAccessibleName(etichetta);
  campo->setMaxLength(kLunghezzaMassima);
  return campo;
}

void frmDatiUtente::Salva() {
  TrimCampi(this);
  if (CampoVuoto(txtCognome_, true, true, QStringLiteral("Inserire il cognome"))) return;
  if (CampoVuoto(txtNome_, true, true, QStringLiteral("Inserire il nome"))) return;
  if (CampoVuoto(txtCitta_, true, true, QStringLiteral("Inserire la città"))) return;
  if (CampoVuoto(txtVia_, true, true, QStringLiteral("Inserire la via"))) return;
  if (!Impostazioni(percorsi_).ScriviDatiUtente(
          {txtCognome_->text(), txtNome_->text(), txtCitta_->text(), txtVia_->text()}))
    AvvisaImpostazioniNonSalvate(percorsi_.PercorsoIni, this);
}
