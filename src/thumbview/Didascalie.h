#pragma once
#include <QString>

#include "common/NumeriCliente.h"
#include "thumbview/DatiThumb.h"

// The caption lines of a cell, as drawn and as told to assistive technology.
inline QString TestoNumeroFoto(const DatiThumb& thumb) {
  return QStringLiteral("Numero foto: ") + TestoIntero(thumb.NumeroFoto);
}
inline QString TestoFormatoFotografico(const DatiThumb& thumb) {
  return thumb.FormatoFotografico + QStringLiteral(" - ") + thumb.Ridimensionamento;
}
