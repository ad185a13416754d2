#pragma once
#include <QDateTime>
#include <QString>

// The file-system steps of the order folder for the lab. Paths of folders end
// in "/".

// "VE" followed by the local time as "yymmddhhnn".
QString NomeCartellaOrdine(const QDateTime& ora);

// The eight lines of the customer picture: name and address, the indicative
// price and the kind of customer.
QString TestoFotografiaDatiUtente(const QString& datiUtente, const QString& importoEuro);

// Removes the files of an earlier folder of the same name (its end marker
// first) and creates the folder. True when the folder is there and holds no
// file, so that nothing of an earlier order can pass for part of this one.
bool PreparaCartellaOrdine(const QString& cartella);

// The folder that holds the order folder.
QString CartellaSuperiore(const QString& cartella);

// Flushes the folder's entries and its own entry in the folder that holds it,
// so that the files written and flushed in it are found on the medium.
bool SincronizzaCartellaOrdine(const QString& cartella);

// The empty end marker "End.txt", flushed to the medium with its entry; then
// every record of the medium, so that one pulled out at once needs no repair.
bool ScriviFineOrdine(const QString& cartella);

// Removes the folder's files and the folder, ignoring errors.
void EliminaCartellaOrdine(const QString& cartella);
