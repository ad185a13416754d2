#pragma once

class AlberoCartelle;
class CampoNumeroFoto;
class ctrFotoView;
class DivisoreTrascinabile;
class PannelloSfumato;
class QComboBox;
class QProgressBar;
class QStatusBar;
class QToolBar;
class QWidget;

// The main window's controls that the toolkit and the tests reach from
// outside, handed out at once rather than one accessor each.
struct ControlliFinestra {
  AlberoCartelle* ftvFile = nullptr;
  ctrFotoView* fvFotoCartella = nullptr;
  ctrFotoView* fvFotoFormato = nullptr;
  QToolBar* tbCartella = nullptr;
  QToolBar* tbGruppo = nullptr;
  QToolBar* tbOperazioni = nullptr;
  CampoNumeroFoto* txtNumFoto = nullptr;
  QComboBox* cmbRidimensiona = nullptr;
  QWidget* sepNumFotoDir = nullptr;
  QWidget* sepNumFotoFormato = nullptr;
  PannelloSfumato* pannelloConteggio = nullptr;
  PannelloSfumato* pannelloCosto = nullptr;
  QProgressBar* pbAvanzamento = nullptr;
  DivisoreTrascinabile* picResizer2 = nullptr;
  QStatusBar* sbStato = nullptr;
};
