#pragma once
#include <QByteArray>

class QIODevice;

// The ICC profile of the PNG that starts at the device's position, read past
// Qt's reader, which drops a profile it cannot use; empty for none, for
// another format and for a device that cannot seek. The position is kept.
QByteArray IccPng(QIODevice& dispositivo);
