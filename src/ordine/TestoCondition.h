#pragma once
#include <QList>
#include <QString>

#include "album/VoceAlbum.h"

// The order text "Condition.txt" that the lab's printing station reads: one
// block per album entry plus the customer picture "DatiUtente.jpg".

// The name an entry's copy takes in the order: the file name of its path, with
// every control character made a space so that no name can break a line.
QString NomeFileOrdine(const QString& nomecompleto);

// The lines of the album's entries (formats in album order, photos in insertion
// order) joined by CR LF, with no line break after the last; empty when the
// album has no entry. The caller writes it in the code page with the final CR LF.
QString TestoCondition(const QList<FormatoAlbum>& album, const QString& nomeDispositivo);
