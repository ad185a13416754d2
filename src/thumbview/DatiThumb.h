#pragma once
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>

// One thumbnail of the grid, in order of addition.
struct DatiThumb {
  QString Cartella;         // folder part, up to and including the last separator
  QString NomeFile;         // the part after the last separator
  QString NomeFileToolTip;  // display name: as passed, or NomeFile when that was empty
  QRect AreaCella;          // hit box as last drawn; empty off the page
  QImage Miniatura;         // the 90-pixel copy, 24-bit; null until loaded
  QSize MisuraOriginale;    // the photo's upright pixel size, known with the copy
  QRect AreaSegnoQualita;   // the print-quality mark as last drawn; empty when none
  std::int32_t LarghezzaMiniatura = 0;
  std::int32_t AltezzaMiniatura = 0;
  std::int16_t Selezionata = 0;
  std::int16_t NumeroFoto = 0;
  QString FormatoFotografico;
  QString Ridimensionamento;

  QString PercorsoCompleto() const { return Cartella + NomeFile; }
};
