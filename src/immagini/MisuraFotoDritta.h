#pragma once
#include <QSize>
#include <QString>

// The upright pixel size of any photo the program takes, HEIF included, from
// its header: nothing is decoded. Invalid when the file gives none.
QSize MisuraFotoDritta(const QString& percorso);
