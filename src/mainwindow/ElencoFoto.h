#pragma once
#include <QString>
#include <QStringList>

// The names of the photos of a folder (the extensions of FiltriNomiFoto, letter
// case ignored, as cameras write "IMG_0001.JPG"), in alphabetical order.
// Empty when the folder cannot be read or holds none.
QStringList ElencoFotoCartella(const QString& cartella);
