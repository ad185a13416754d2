#pragma once
// Qt Designer's view of the two controls: a window designer places them from
// the "Kelmora" group and edits their stored properties in the property editor.
#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class PluginControlloKelmora : public QObject, public QDesignerCustomWidgetInterface {
  Q_OBJECT
  Q_INTERFACES(QDesignerCustomWidgetInterface)

 public:
  struct Descrizione {
    QString classe;
    QString nomeOggetto;  // the name a newly placed control gets
    QString suggerimento;
    bool contenitore;
    QWidget* (*crea)(QWidget* genitore);
  };
  PluginControlloKelmora(Descrizione descrizione, QObject* genitore);

  QString name() const override { return d_.classe; }
  QString group() const override { return QStringLiteral("Kelmora"); }
  QString toolTip() const override { return d_.suggerimento; }
  QString whatsThis() const override { return d_.suggerimento; }
  QString includeFile() const override;
  QIcon icon() const override { return {}; }
  bool isContainer() const override { return d_.contenitore; }
  QWidget* createWidget(QWidget* genitore) override { return d_.crea(genitore); }
  bool isInitialized() const override { return true; }
  QString domXml() const override;

 private:
  Descrizione d_;
};

class RaccoltaKelmora : public QObject, public QDesignerCustomWidgetCollectionInterface {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
  Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

 public:
  explicit RaccoltaKelmora(QObject* genitore = nullptr);
  QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return controlli_; }

 private:
  QList<QDesignerCustomWidgetInterface*> controlli_;
};
