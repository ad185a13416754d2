#pragma once
#include <QObject>

class ControlliScegliFoto;
class CorniceOperazioni;
class OrdineVelistra;
class QWidget;

// The reloads of the main window's two views: the folder listed by a task, the
// thumbnails added on the GUI thread one a step, "Annulla" asked about before
// the next. A newer request of the same view replaces the one under way, which
// stops at its next step; the view's signal tells when the last one is done.
class RicaricaViste : public QObject {
  Q_OBJECT

 public:
  RicaricaViste(QWidget& finestra, ControlliScegliFoto& controlli, CorniceOperazioni& cornice,
                OrdineVelistra& ordine);

  // The photos of the folder chosen in the tree; with alberoUsabile the tree
  // stays usable meanwhile, so that a new choice replaces the reload.
  void Cartella(bool alberoUsabile);
  // The album's photos of the filter's format, or all of them.
  void Formato();

 Q_SIGNALS:
  // The last reload asked of a view is done: the view is filled and the commands are back.
  void vistaCartellaCaricata();
  void vistaFormatoCaricata();

 private:
  // Close a reload's frame and tell that the view is filled.
  void FineCartella();
  void FineFormato();

  QWidget& finestra_;
  ControlliScegliFoto& controlli_;
  CorniceOperazioni& cornice_;
  OrdineVelistra& ordine_;
  // The latest reload asked of each view, and whether one runs.
  quint64 richiestaCartella_ = 0;
  quint64 richiestaFormato_ = 0;
  bool cartellaInCorso_ = false;
  bool formatoInCorso_ = false;
};
