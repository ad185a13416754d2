#pragma once
// Colours as the stored properties hold them: 32-bit values, either 0x00BBGGRR
// or, with the high bit set, the index of a system colour (0x8000000F is the
// button face).
#include <QColor>
#include <cstdint>

#include "controls/KelmoraEsporta.h"

class QPalette;

inline constexpr std::uint32_t kOleFacciaPulsante = 0x8000000Fu;

// The colour to paint; system colours come from the palette given.
KELMORA_EXPORT QColor ColoreDaOle(std::uint32_t ole, const QPalette& tavolozza);
