#pragma once
#include <QString>
#include <QStringList>

// The one list of the photo files the program takes, by extension in any
// letter case: the lab's own formats (JPEG, PNG, TIFF) and those that phones
// and messaging apps write (HEIC/HEIF, AVIF, WebP).

// Name filters for QDir ("*.jpg", ...); QDir ignores their case by default.
QStringList FiltriNomiFoto();
// Whether a photo of that name must be turned into a JPEG for the lab, whose
// workflow reads only JPEG, PNG and TIFF.
bool DaConvertirePerLaboratorio(const QString& nome);
