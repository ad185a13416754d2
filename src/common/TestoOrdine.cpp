#include "common/TestoOrdine.h"

#include "common/Ansi.h"
#include "common/ScritturaAtomica.h"

bool ScriviTestoOrdine(const QString& percorso, const QString& testo) {
  return ScriviFileAtomico(percorso, InAnsi(testo + QStringLiteral("\r\n")));
}
