#include "common/DialogoSfogliaCartella.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "common/Piattaforma.h"

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
                                               QWidget* genitore)
    : QDialog(genitore),
      modello_(new QFileSystemModel(this)),
      lblMessaggio_(new QLabel(messaggio, this)),
      tvCartelle_(new QTreeView(this)),
      txtCartella_(new QLineEdit(this)),
      cmdNuovaCartella_(Pulsante(QStringLiteral("cmdNuovaCartella"), kNuovaCartella, this)),
      cmdOK_(Pulsante(QStringLiteral("cmdOK"), QStringLiteral("OK"), this)),
      cmdAnnulla_(Pulsante(QStringLiteral("cmdAnnulla"), QStringLiteral("Annulla"), this)) {
  setObjectName(QStringLiteral("dlgSfogliaCartella"));
  setWindowTitle(messaggio);
  lblMessaggio_->setObjectName(QStringLiteral("lblMessaggio"));
  lblMessaggio_->setWordWrap(true);

  modello_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  // Writable only so that a new folder can be named: the view starts no edit itself.
  modello_->setReadOnly(false);
  modello_->setRootPath(QDir::rootPath());
  tvCartelle_->setObjectName(QStringLiteral("tvCartelle"));
  tvCartelle_->setAccessibleName(QStringLiteral("Cartelle"));
  tvCartelle_->setModel(modello_);
  tvCartelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tvCartelle_->setHeaderHidden(true);
  // Only the names: the other columns are sizes, kinds and dates of files.
  for (int colonna = 1; colonna < modello_->columnCount(); ++colonna) tvCartelle_->hideColumn(colonna);

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

  connect(tvCartelle_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this] { CartellaCambiata(); });
  connect(txtCartella_, &QLineEdit::textChanged, this,
          [this] { cmdOK_->setEnabled(!cartellaScelta().isEmpty()); });
  connect(modello_, &QFileSystemModel::fileRenamed, this,
          [this](const QString& cartella, const QString&, const QString& nuovo) {
            ScegliCartella(QDir(cartella).filePath(nuovo));
          });
  connect(cmdNuovaCartella_, &QPushButton::clicked, this, [this] { CreaNuovaCartella(); });
  connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cmdAnnulla_, &QPushButton::clicked, this, &QDialog::reject);

  CartellaCambiata();
  ScegliCartella(QDir::homePath());
  resize(460, 480);
}

QString DialogoSfogliaCartella::cartellaAlbero() const {
  const QModelIndex indice = tvCartelle_->currentIndex();
  return indice.isValid() ? modello_->filePath(indice) : QString();
}

QString DialogoSfogliaCartella::cartellaScelta() const {
  return txtCartella_->isReadOnly() ? cartellaAlbero() : CartellaDigitata(cartellaAlbero(), txtCartella_->text());
}

void DialogoSfogliaCartella::ScegliCartella(const QString& percorso) {
  const QModelIndex indice = modello_->index(percorso);
  if (!indice.isValid()) return;
  for (QModelIndex sopra = indice.parent(); sopra.isValid(); sopra = sopra.parent()) tvCartelle_->expand(sopra);
  tvCartelle_->setCurrentIndex(indice);
  tvCartelle_->scrollTo(indice);
}

void DialogoSfogliaCartella::CartellaCambiata() {
  const QString cartella = cartellaAlbero();
  txtCartella_->setText(QDir::toNativeSeparators(cartella));
  cmdNuovaCartella_->setEnabled(!cartella.isEmpty());
  cmdOK_->setEnabled(!cartellaScelta().isEmpty());
}

void DialogoSfogliaCartella::CreaNuovaCartella() {
  const QModelIndex dentro = tvCartelle_->currentIndex();
  if (!dentro.isValid()) return;
  const QModelIndex nuova = modello_->mkdir(dentro, NomeNuovaCartella(QDir(modello_->filePath(dentro))));
  if (!nuova.isValid()) {
    MsgBox(QStringLiteral("Impossibile creare una nuova cartella in questa posizione."),
           IconaMessaggio::Esclamazione, PulsantiMessaggio::OK, this);
    return;
  }
  tvCartelle_->expand(dentro);
  tvCartelle_->setCurrentIndex(nuova);
  tvCartelle_->edit(nuova);
}
