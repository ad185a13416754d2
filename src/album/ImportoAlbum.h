#pragma once
#include <QHash>
#include <QList>
#include <QString>
#include <cstdint>

#include "album/VoceAlbum.h"

// The price in cents of one print, by format id.
using PrezziFormati = QHash<QString, std::int32_t>;

// An album entry as the amount counts it: its own format, its prints and the
// price of one print.
struct VocePrezzata {
  QString formato;
  std::int32_t quantita = 0;
  std::int32_t prezzo = 0;
};
// The entries in the order the amount adds them, by title; an entry without a
// format is left out. A format without a price costs 0.
QList<VocePrezzata> VociPrezzate(const QList<FormatoAlbum>& album, const PrezziFormati& prezzi);
// Adds variazione to somma; false, and no change, when it or the sum does not
// fit in 32 bits.
bool SommaCentesimi(std::int32_t& somma, std::int64_t variazione);

// The amount of the album in euro cents: prints times price, added entry by
// entry in title order; an entry whose product or sum does not fit adds nothing.
std::int32_t ImportoAlbum(const QList<FormatoAlbum>& album, const PrezziFormati& prezzi);
