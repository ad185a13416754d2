#pragma once
#include <QStandardItemModel>

// Folders as a tree whose children are listed the first time they are asked
// for, so that opening the tree never walks the disk. A folder the user opens
// is listed in a task: a phone's or a network's folder may take seconds, and
// the tree stays usable meanwhile. A subfolder whose name is edited is
// renamed on disk.
class ModelloCartelle : public QStandardItemModel {
  Q_OBJECT

 public:
  static constexpr int kRuoloPercorso = Qt::UserRole + 1;

  explicit ModelloCartelle(QObject* genitore = nullptr);

  static QStandardItem* NuovaVoce(const QString& nome, const QString& percorso, const QIcon& icona);
  static QString Percorso(const QStandardItem* voce);
  // The child for a subfolder name, listing the folder first if needed; a
  // folder that the listing skips (a hidden or new one) gets its child added.
  QStandardItem* Figlio(QStandardItem* voce, const QString& nome);
  // Listings under way.
  int ElenchiInCorso() const { return elenchiInCorso_; }

  bool hasChildren(const QModelIndex& genitore = {}) const override;
  bool canFetchMore(const QModelIndex& genitore) const override;
  void fetchMore(const QModelIndex& genitore) override;

 Q_SIGNALS:
  // The folder kept its old name, which the entry shows again.
  void rinominaNonRiuscita(const QString& percorso, const QString& nome);
  // The first listing started, the last one ended.
  void elencoIniziato();
  void elencoFinito();

 private:
  void CaricaFigli(QStandardItem* voce);
  // The listed subfolders, in the listing's order, beside those already there.
  void AggiungiFigli(QStandardItem* voce, const QStringList& nomi);
  void NomeCambiato(QStandardItem* voce);

  int elenchiInCorso_ = 0;
};
