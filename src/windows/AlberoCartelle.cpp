#include "windows/AlberoCartelle.h"

#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHeaderView>
#include <QStandardPaths>
#include <QTimer>

#include "windows/ModelloCartelle.h"

namespace {

// The virtual file system's daemon makes a phone's mount without a file-system
// event: the roots are looked at again this often.
constexpr int kIntervalloMontaggi = 2000;

QIcon IconaRadice(RadiceCartella::Tipo tipo) {
  const QFileIconProvider icone;
  switch (tipo) {
    case RadiceCartella::Tipo::Scrivania:
      return icone.icon(QAbstractFileIconProvider::Desktop);
    case RadiceCartella::Tipo::Supporto:
      return icone.icon(QAbstractFileIconProvider::Drive);
    case RadiceCartella::Tipo::FileSystem:
      return icone.icon(QAbstractFileIconProvider::Computer);
    default:
      return icone.icon(QAbstractFileIconProvider::Folder);
  }
}

QString CartellaEsistentePiuVicina(QString percorso) {
  while (!QFileInfo(percorso).isDir() && percorso != QDir::rootPath()) percorso = QFileInfo(percorso).path();
  return percorso;
}

}  // namespace

AlberoCartelle::AlberoCartelle(QWidget* genitore, QStringList radiciSupporti)
    : QTreeView(genitore),
      modello_(new ModelloCartelle(this)),
      radiciSupporti_(std::move(radiciSupporti)),
      sorvegliante_(new QFileSystemWatcher(this)) {
  setObjectName(QStringLiteral("ftvFile"));
  setAccessibleName(QStringLiteral("Cartelle"));
  setModel(modello_);
  header()->hide();
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  SorvegliaRadiciSupporti();
  AggiornaRadici();
  connect(sorvegliante_, &QFileSystemWatcher::directoryChanged, this, [this] {
    SorvegliaRadiciSupporti();
    AggiornaRadici();
  });
  auto* controllo = new QTimer(this);
  connect(controllo, &QTimer::timeout, this, &AlberoCartelle::AggiornaRadici);
  controllo->start(kIntervalloMontaggi);
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { Q_EMIT cartellaCambiata(); });
  connect(modello_, &QStandardItemModel::itemChanged, this, [this](const QStandardItem* voce) {
    if (voce->index() == currentIndex()) Q_EMIT cartellaCambiata();
  });
  connect(modello_, &ModelloCartelle::rinominaNonRiuscita, this, &AlberoCartelle::rinominaNonRiuscita);
  // A phone's folders list slowly: the pointer says so, and the tree stays usable.
  connect(modello_, &ModelloCartelle::elencoIniziato, this, [this] { viewport()->setCursor(Qt::BusyCursor); });
  connect(modello_, &ModelloCartelle::elencoFinito, this, [this] { viewport()->unsetCursor(); });
}

QString AlberoCartelle::CartellaSelezionata() const {
  return ModelloCartelle::Percorso(modello_->itemFromIndex(currentIndex()));
}

bool AlberoCartelle::ImpostaCartella(const QString& cartella) {
  const QFileInfo info(cartella);
  if (!info.isDir()) return false;
  const QString percorso = QDir::cleanPath(info.absoluteFilePath());
  const qsizetype riga = RadicePiuVicina(radici_, percorso);
  if (riga < 0) return false;
  QStandardItem* voce = modello_->item(static_cast<int>(riga));
  const QString relativo = percorso.mid(radici_[riga].percorso.size());
  for (const QString& nome : relativo.split(u'/', Qt::SkipEmptyParts)) voce = modello_->Figlio(voce, nome);
  const QModelIndex indice = voce->index();
  setCurrentIndex(indice);
  scrollTo(indice, QAbstractItemView::PositionAtCenter);
  expand(indice);
  return true;
}

void AlberoCartelle::RinominaSelezionata() {
  QStandardItem* voce = modello_->itemFromIndex(currentIndex());
  if (!voce || !voce->parent()) return;
  voce->setEditable(true);
  edit(currentIndex());
}

QString AlberoCartelle::CartellaIniziale() {
  const QString immagini = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  if (!immagini.isEmpty() && QFileInfo(immagini).isDir()) return immagini;
  return QDir::homePath();
}

void AlberoCartelle::AggiornaRadici() {
  const QList<RadiceCartella> nuove = RadiciCartelle(radiciSupporti_);
  for (qsizetype riga = radici_.size() - 1; riga >= 0; --riga) {
    if (nuove.contains(radici_[riga])) continue;
    modello_->removeRow(static_cast<int>(riga));
    radici_.removeAt(riga);
  }
  // Both lists keep one order, so the missing entries slot in where they differ.
  for (qsizetype i = 0; i < nuove.size(); ++i) {
    if (i < radici_.size() && radici_[i] == nuove[i]) continue;
    const RadiceCartella& radice = nuove[i];
    modello_->insertRow(static_cast<int>(i),
                        ModelloCartelle::NuovaVoce(radice.nome, radice.percorso, IconaRadice(radice.tipo)));
    radici_.insert(i, radice);
  }
}

QStringList AlberoCartelle::CartelleDaSorvegliare() const {
  QStringList percorsi;
  for (const QString& radice : radiciSupporti_) percorsi.append(CartellaEsistentePiuVicina(radice));
  percorsi.removeDuplicates();
  return percorsi;
}

void AlberoCartelle::SorvegliaRadiciSupporti() {
  QStringList percorsi = CartelleDaSorvegliare();
  QStringList sorvegliati;
  // A folder made between the look-up and the watch would go unnoticed: look again.
  while (percorsi != sorvegliati) {
    if (!sorvegliante_->directories().isEmpty()) sorvegliante_->removePaths(sorvegliante_->directories());
    sorvegliante_->addPaths(percorsi);
    sorvegliati = percorsi;
    percorsi = CartelleDaSorvegliare();
  }
}
