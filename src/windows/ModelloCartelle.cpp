#include "windows/ModelloCartelle.h"

#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QPersistentModelIndex>
#include <QSet>

#include "common/Compito.h"

namespace {

constexpr int kRuoloCaricata = Qt::UserRole + 2;

bool Caricata(const QStandardItem* voce) { return voce->data(kRuoloCaricata).toBool(); }

QIcon IconaCartella() {
  static const QIcon icona = QFileIconProvider().icon(QAbstractFileIconProvider::Folder);
  return icona;
}

QStringList Sottocartelle(const QString& percorso) {
  return QDir(percorso).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
}

bool NomeSemplice(const QString& nome) {
  return !nome.isEmpty() && !nome.contains(u'/') && nome != QStringLiteral(".") && nome != QStringLiteral("..");
}

}  // namespace

ModelloCartelle::ModelloCartelle(QObject* genitore) : QStandardItemModel(genitore) {
  connect(this, &QStandardItemModel::itemChanged, this, &ModelloCartelle::NomeCambiato);
}

QStandardItem* ModelloCartelle::NuovaVoce(const QString& nome, const QString& percorso, const QIcon& icona) {
  auto* voce = new QStandardItem(icona, nome);
  voce->setEditable(false);
  voce->setData(percorso, kRuoloPercorso);
  voce->setData(false, kRuoloCaricata);
  voce->setToolTip(percorso);
  return voce;
}

QString ModelloCartelle::Percorso(const QStandardItem* voce) {
  return voce ? voce->data(kRuoloPercorso).toString() : QString();
}

QStandardItem* ModelloCartelle::Figlio(QStandardItem* voce, const QString& nome) {
  // Listed at once: the folders on the way to a chosen one are few, and rows
  // that came in later would push the chosen one out of sight.
  if (!Caricata(voce)) {
    voce->setData(true, kRuoloCaricata);
    AggiungiFigli(voce, Sottocartelle(Percorso(voce)));
  }
  const QString percorso = QDir(Percorso(voce)).filePath(nome);
  for (int riga = 0; riga < voce->rowCount(); ++riga)
    if (Percorso(voce->child(riga)) == percorso) return voce->child(riga);
  QStandardItem* figlio = NuovaVoce(nome, percorso, IconaCartella());
  voce->appendRow(figlio);
  return figlio;
}

// Until it is listed a folder may have subfolders: the tree offers to open it.
bool ModelloCartelle::hasChildren(const QModelIndex& genitore) const {
  const QStandardItem* voce = itemFromIndex(genitore);
  if (voce && !Caricata(voce)) return true;
  return QStandardItemModel::hasChildren(genitore);
}

bool ModelloCartelle::canFetchMore(const QModelIndex& genitore) const {
  const QStandardItem* voce = itemFromIndex(genitore);
  return voce && !Caricata(voce);
}

void ModelloCartelle::fetchMore(const QModelIndex& genitore) {
  if (QStandardItem* voce = itemFromIndex(genitore)) CaricaFigli(voce);
}

void ModelloCartelle::CaricaFigli(QStandardItem* voce) {
  if (Caricata(voce)) return;
  voce->setData(true, kRuoloCaricata);
  if (elenchiInCorso_++ == 0) Q_EMIT elencoIniziato();
  const QString percorso = Percorso(voce);
  AvviaCompito(this, [percorso] { return Sottocartelle(percorso); },
               [this, indice = QPersistentModelIndex(voce->index()), percorso](const QStringList& nomi) {
                 // Gone from the tree, renamed or emptied meanwhile: a newer listing follows, if any.
                 QStandardItem* voce = itemFromIndex(indice);
                 if (voce && Caricata(voce) && Percorso(voce) == percorso) AggiungiFigli(voce, nomi);
                 if (--elenchiInCorso_ == 0) Q_EMIT elencoFinito();
               });
}

void ModelloCartelle::AggiungiFigli(QStandardItem* voce, const QStringList& nomi) {
  const QDir cartella(Percorso(voce));
  if (voce->rowCount() == 0) {
    QList<QStandardItem*> figli;
    figli.reserve(nomi.size());
    for (const QString& nome : nomi) figli.append(NuovaVoce(nome, cartella.filePath(nome), IconaCartella()));
    if (!figli.isEmpty()) voce->appendRows(figli);
    return;
  }
  // Entries added before the listing came keep their rows (one may be the
  // selected folder); the others go in between, in the listing's order.
  QSet<QString> presenti;
  for (int riga = 0; riga < voce->rowCount(); ++riga) presenti.insert(voce->child(riga)->text());
  int dopo = 0;
  for (const QString& nome : nomi) {
    if (!presenti.contains(nome)) {
      voce->insertRow(dopo++, NuovaVoce(nome, cartella.filePath(nome), IconaCartella()));
      continue;
    }
    for (int riga = dopo; riga < voce->rowCount(); ++riga)
      if (voce->child(riga)->text() == nome) {
        dopo = riga + 1;
        break;
      }
  }
}

void ModelloCartelle::NomeCambiato(QStandardItem* voce) {
  const QFileInfo info(Percorso(voce));
  // Top-level entries are labels, not folder names.
  if (!voce->parent() || voce->text() == info.fileName()) return;
  const QString nome = voce->text();
  if (!NomeSemplice(nome) || !info.dir().rename(info.fileName(), nome)) {
    voce->setText(info.fileName());
    Q_EMIT rinominaNonRiuscita(info.filePath(), nome);
    return;
  }
  const QString percorso = info.dir().filePath(nome);
  voce->setData(percorso, kRuoloPercorso);
  voce->setToolTip(percorso);
  // The listed subfolders hold the old path: list them again when opened.
  voce->removeRows(0, voce->rowCount());
  voce->setData(false, kRuoloCaricata);
}
