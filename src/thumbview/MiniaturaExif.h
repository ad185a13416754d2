#pragma once
#include <QImage>

class QIODevice;

// The thumbnail that cameras embed in a JPEG's EXIF block, as stored (not
// turned upright); a null picture when there is none or it cannot be read.
// Reads only the head of the file, from the device's current position.
QImage LeggiMiniaturaExif(QIODevice& dispositivo);
