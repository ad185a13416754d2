#pragma once
#include <QByteArray>

// The camera's EXIF block (from its TIFF header on) for a copy whose pixels
// were turned upright: the orientation is set to normal and the embedded
// thumbnail, which showed the old pixels, is dropped. Gives the body of a JPEG
// APP1 segment ("Exif\0\0" and the block); empty when the block cannot be read.
QByteArray ExifRaddrizzato(const QByteArray& tiff);
