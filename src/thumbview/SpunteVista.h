#pragma once
#include <QList>
#include <QString>
#include <cstdint>
#include <functional>

#include "thumbview/ElencoThumbs.h"

class CaselleSelezione;
class QCheckBox;
class QWidget;

// The checked photos of the grid: checking, their list, their removal and the
// attributes set on all of them.
class SpunteVista {
 public:
  // What the grid does once the records changed under it.
  struct Ridisegno {
    std::function<void()> rimosse;      // checked records went: boxes, scrolling, page
    std::function<void()> modificate;   // checked records changed: the page again
    std::function<void()> cartaCambiata;  // a resize mode was set: the preview again
  };

  // vista: the object assistive technology hears the checks from.
  SpunteVista(QWidget& vista, ElencoThumbs& thumbs, CaselleSelezione& caselle, Ridisegno ridisegno);

  void CheckaTutto(bool Valore);
  // Checks or unchecks one thumbnail, record and box, as a click on its box does.
  void ImpostaSelezione(int indice, bool selezionata);
  // Empty when nothing is checked.
  QList<FotoSelezionata> ElencoFotoSelezionate() const { return thumbs_.FotoSelezionate(); }
  void CancellaThumbSelezionate();
  void ImpostaNumeroFotoThumbSelezionate(std::int16_t NumeroFoto);
  void ImpostaRidimensionamentoThumbSelezionate(const QString& Ridimensionamento);
  // The check box that thumbnail i shows on the page, or nullptr.
  QCheckBox* CasellaThumb(int indice) const;

 private:
  void SegnaSelezione(int indice, bool selezionata);
  void ImpostaSuSelezionate(const std::function<void(DatiThumb&)>& imposta);

  QWidget& vista_;
  ElencoThumbs& thumbs_;
  CaselleSelezione& caselle_;
  Ridisegno ridisegno_;
};
