#include "windows/DialogoSfogliaCartella.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "windows/AlberoCartelle.h"
#include "windows/Piattaforma.h"

namespace {

const QString kNuovaCartella = QStringLiteral("Nuova cartella");

QPushButton* Pulsante(const QString& nome, const QString& testo, QWidget* genitore) {
  auto* pulsante = new QPushButton(testo, genitore);
  pulsante->setObjectName(nome);
  pulsante->setAutoDefault(false);
  return pulsante;
}

}  // namespace

QString CartellaDigitata(const QString& cartellaAlbero, const QString& digitata) {
  const QString testo = digitata.trimmed();
  if (testo.isEmpty()) return cartellaAlbero;
  if (QDir::isAbsolutePath(testo)) return QDir::cleanPath(QDir::fromNativeSeparators(testo));
  if (cartellaAlbero.isEmpty()) return {};
  return QDir::cleanPath(QDir(cartellaAlbero).filePath(QDir::fromNativeSeparators(testo)));
}

QString NomeNuovaCartella(const QDir& dentro) {
  QString nome = kNuovaCartella;
  for (int n = 2; dentro.exists(nome); ++n) nome = kNuovaCartella + QStringLiteral(" (%1)").arg(n);
  return nome;
}

DialogoSfogliaCartella::DialogoSfogliaCartella(const QString& messaggio, bool consentiDigitazione,
                                               QWidget* genitore, QStringList radiciSupporti)
    : QDialog(genitore),
      lblMessaggio_(new QLabel(messaggio, this)),
      tvCartelle_(new AlberoCartelle(this, std::move(radiciSupporti))),
      txtCartella_(new QLineEdit(this)),
      cmdNuovaCartella_(Pulsante(QStringLiteral("cmdNuovaCartella"), kNuovaCartella, this)),
      cmdOK_(Pulsante(QStringLiteral("cmdOK"), QStringLiteral("OK"), this)),
      cmdAnnulla_(Pulsante(QStringLiteral("cmdAnnulla"), QStringLiteral("Annulla"), this)) {
  setObjectName(QStringLiteral("dlgSfogliaCartella"));
  setWindowTitle(messaggio);
  lblMessaggio_->setObjectName(QStringLiteral("lblMessaggio"));
  lblMessaggio_->setWordWrap(true);

  tvCartelle_->setObjectName(QStringLiteral("tvCartelle"));

  txtCartella_->setObjectName(QStringLiteral("txtCartella"));
  txtCartella_->setAccessibleName(QStringLiteral("Cartella"));
  txtCartella_->setReadOnly(!consentiDigitazione);
  auto* etichetta = new QLabel(QStringLiteral("Cartella:"), this);
  etichetta->setBuddy(txtCartella_);
  auto* riga = new QHBoxLayout;
  riga->addWidget(etichetta);
  riga->addWidget(txtCartella_, 1);

  cmdOK_->setDefault(true);
  auto* pulsanti = new QHBoxLayout;
  pulsanti->addWidget(cmdNuovaCartella_);
  pulsanti->addStretch(1);
  pulsanti->addWidget(cmdOK_);
  pulsanti->addWidget(cmdAnnulla_);

  auto* colonna = new QVBoxLayout(this);
  colonna->addWidget(lblMessaggio_);
  colonna->addWidget(tvCartelle_, 1);
  colonna->addLayout(riga);
  colonna->addLayout(pulsanti);

  connect(tvCartelle_, &AlberoCartelle::cartellaCambiata, this, [this] { CartellaCambiata(); });
  connect(txtCartella_, &QLineEdit::textChanged, this,
          [this] { cmdOK_->setEnabled(!cartellaScelta().isEmpty()); });
  // Queued: the message waits until the name editor has closed.
  connect(
      tvCartelle_, &AlberoCartelle::rinominaNonRiuscita, this,
      [this] {
        MsgBox(QStringLiteral("Impossibile rinominare la cartella con il nome indicato."),
               IconaMessaggio::Esclamazione, PulsantiMessaggio::OK, this);
      },
      Qt::QueuedConnection);
  connect(cmdNuovaCartella_, &QPushButton::clicked, this, [this] { CreaNuovaCartella(); });
  connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cmdAnnulla_, &QPushButton::clicked, this, &QDialog::reject);

  CartellaCambiata();
  ScegliCartella(QDir::homePath());
  resize(460, 480);
}

QString DialogoSfogliaCartella::cartellaAlbero() const { return tvCartelle_->CartellaSelezionata(); }

QString DialogoSfogliaCartella::cartellaScelta() const {
  return txtCartella_->isReadOnly() ? cartellaAlbero() : CartellaDigitata(cartellaAlbero(), txtCartella_->text());
}

void DialogoSfogliaCartella::ScegliCartella(const QString& percorso) { tvCartelle_->ImpostaCartella(percorso); }

void DialogoSfogliaCartella::CartellaCambiata() {
  const QString cartella = cartellaAlbero();
  txtCartella_->setText(QDir::toNativeSeparators(cartella));
  cmdNuovaCartella_->setEnabled(!cartella.isEmpty());
  cmdOK_->setEnabled(!cartellaScelta().isEmpty());
}

void DialogoSfogliaCartella::CreaNuovaCartella() {
  const QDir dentro(cartellaAlbero());
  if (dentro.path().isEmpty()) return;
  const QString nome = NomeNuovaCartella(dentro);
  if (!dentro.mkdir(nome) || !tvCartelle_->ImpostaCartella(dentro.filePath(nome))) {
    MsgBox(QStringLiteral("Impossibile creare una nuova cartella in questa posizione."),
           IconaMessaggio::Esclamazione, PulsantiMessaggio::OK, this);
    return;
  }
  tvCartelle_->RinominaSelezionata();
}
