#include "album/ImportoAlbum.h"

#include <limits>
#include <optional>

#include "album/FiltroFormato.h"

namespace {

bool DentroInt32(std::int64_t valore) {
  return valore >= std::numeric_limits<std::int32_t>::min() && valore <= std::numeric_limits<std::int32_t>::max();
}

}  // namespace

QList<VocePrezzata> VociPrezzate(const QList<FormatoAlbum>& album, const PrezziFormati& prezzi) {
  QList<VocePrezzata> prezzate;
  for (const VoceAlbum& voce : OrdinaPerTitolo(TutteLeVoci(album)))
    if (!voce.formato.isEmpty()) prezzate.append({voce.formato, voce.quantita, prezzi.value(voce.formato)});
  return prezzate;
}

bool SommaCentesimi(std::int32_t& somma, std::int64_t variazione) {
  // Both factors of a variation fit in 32 bits, so the product cannot overflow 64.
  if (!DentroInt32(variazione) || !DentroInt32(somma + variazione)) return false;
  somma = static_cast<std::int32_t>(somma + variazione);
  return true;
}

std::int32_t ImportoAlbum(const QList<FormatoAlbum>& album, const PrezziFormati& prezzi) {
  // When every product fits and neither the credits nor the debits overflow,
  // no partial sum can, in any order: the title order, which costs a sort,
  // matters only when some entry is left out.
  const auto inOgniOrdine = [&]() -> std::optional<std::int32_t> {
    std::int64_t crediti = 0, debiti = 0;
    for (const FormatoAlbum& formato : album)
      for (const VoceAlbum& voce : formato.voci) {
        if (voce.formato.isEmpty()) continue;
        const std::int64_t prodotto = std::int64_t{prezzi.value(voce.formato)} * voce.quantita;
        std::int64_t& parte = prodotto > 0 ? crediti : debiti;
        parte += prodotto;
        if (!DentroInt32(prodotto) || !DentroInt32(parte)) return std::nullopt;
      }
    return static_cast<std::int32_t>(crediti + debiti);
  };
  if (const auto importo = inOgniOrdine()) return *importo;
  std::int32_t importo = 0;
  for (const VocePrezzata& voce : VociPrezzate(album, prezzi))
    SommaCentesimi(importo, std::int64_t{voce.prezzo} * voce.quantita);
  return importo;
}
