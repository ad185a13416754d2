#pragma once
#include <QString>

#include "settings/PercorsiProgramma.h"

// A text of the language file (section "lang"): "Lang/" + the selected file, or
// "Lang/Lang_Ita.ini" when that is missing; empty when neither exists.
QString TestoLingua(const PercorsiProgramma& percorsi, const QString& chiave);
