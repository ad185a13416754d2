#pragma once
#include <QImage>
#include <QString>

// The customer sheet as the lab receives it: a 640 x 480 picture at 300 dpi,
// the text wrapped in blue inside (10, 50, 620 x 430). Drawn with Qt Gui
// alone, so a task may draw and write it.
QImage DisegnaFoglioCliente(const QString& testo);

// Writes the sheet of that text as a JPEG at the path, atomically; true when written.
bool ScriviFoglioClienteJpeg(const QString& percorso, const QString& testo);
