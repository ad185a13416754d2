#pragma once
#include <QSize>

class QImageReader;

// The upright pixel size of a picture, read from its header and turned by its
// EXIF orientation, without decoding it; invalid when the header gives none.
QSize MisuraDritta(QImageReader& lettore);
