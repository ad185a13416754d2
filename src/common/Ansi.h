#pragma once
#include <QByteArray>
#include <QString>

// The program's ANSI code page is Windows-1252: settings files, the language
// file and the order text are read and written in it.

// Text to Windows-1252 bytes; a character the code page lacks becomes "?".
QByteArray InAnsi(const QString& testo);

// Windows-1252 bytes to text. The five bytes the code page leaves undefined map
// to the control characters of the same code, so every byte round-trips.
QString DaAnsi(const QByteArray& byte);

// The Windows-1252 code of one character, or '?' when it has none.
unsigned char CodiceAnsi(QChar carattere);
QChar CarattereAnsi(unsigned char codice);
