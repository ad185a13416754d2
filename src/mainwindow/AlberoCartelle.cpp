#include "mainwindow/AlberoCartelle.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QStandardPaths>

AlberoCartelle::AlberoCartelle(QWidget* genitore)
    : QTreeView(genitore), modello_(new QFileSystemModel(this)) {
  setObjectName(QStringLiteral("ftvFile"));
  setAccessibleName(QStringLiteral("Cartelle"));
  modello_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  modello_->setRootPath(QDir::rootPath());
  setModel(modello_);
  for (int colonna = 1; colonna < modello_->columnCount(); ++colonna) hideColumn(colonna);
  header()->hide();
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this] { Q_EMIT cartellaCambiata(); });
}

QString AlberoCartelle::CartellaSelezionata() const {
  const QModelIndex corrente = currentIndex();
  return corrente.isValid() ? modello_->filePath(corrente) : QString();
}

bool AlberoCartelle::ImpostaCartella(const QString& cartella) {
  if (!QFileInfo(cartella).isDir()) return false;
  const QModelIndex indice = modello_->index(QFileInfo(cartella).absoluteFilePath());
  if (!indice.isValid()) return false;
  setCurrentIndex(indice);
  scrollTo(indice, QAbstractItemView::PositionAtCenter);
  expand(indice);
  return true;
}

QString AlberoCartelle::CartellaIniziale() {
  const QString immagini = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  if (!immagini.isEmpty() && QFileInfo(immagini).isDir()) return immagini;
  return QDir::homePath();
}
