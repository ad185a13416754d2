#pragma once
#include <QList>
#include <QPoint>
#include <QString>
#include <cstdint>
#include <functional>

#include "thumbview/DatiThumb.h"
#include "thumbview/DecodificaRidotta.h"

// A checked photo as the container reads it.
struct FotoSelezionata {
  QString NomeCompleto;  // Cartella + NomeFile
  QString Titolo;        // display name
};

// The records of the grid in order of addition and their checks, apart from
// the widget that draws them.
class ElencoThumbs {
 public:
  // A record for the file: its folder and name split at the last separator,
  // the display name the file's name when none is given.
  static DatiThumb Nuova(const QString& percorso, const QString& titolo, std::int16_t numeroFoto,
                         const QString& formato, const QString& ridimensionamento);

  int Totale() const { return static_cast<int>(thumbs_.size()); }
  const QList<DatiThumb>& Voci() const { return thumbs_; }
  DatiThumb& operator[](int i) { return thumbs_[i]; }
  const DatiThumb& operator[](int i) const { return thumbs_[i]; }
  void Aggiungi(DatiThumb thumb) { thumbs_.append(std::move(thumb)); }
  void Svuota() { thumbs_.clear(); }

  // Checks or unchecks record i; true when its check changed.
  bool ImpostaSelezione(int indice, bool selezionata);
  QList<int> Selezionati() const;
  // In index order; empty when nothing is checked.
  QList<FotoSelezionata> FotoSelezionate() const;
  // Removes the checked records, the others moving down whole; false when none was.
  bool RimuoviSelezionate();
  // Changes every checked record; false when none is.
  bool ModificaSelezionate(const std::function<void(DatiThumb&)>& modifica);

  // The record among prima..ultima whose cell, as last drawn, holds the point; -1 when none.
  int IndiceInPunto(QPoint punto, int prima, int ultima) const;
  // Gives a decoded copy of the file to every record of it still without one
  // (a failed copy gives none); the indices of those records.
  QList<int> AssegnaCopia(const QString& percorso, const ImmagineRidotta& copia);
  // Gives a record its copy (a successful one).
  static void ImpostaCopia(DatiThumb& thumb, ImmagineRidotta copia);

 private:
  QList<DatiThumb> thumbs_;
};
