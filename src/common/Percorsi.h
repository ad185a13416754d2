#pragma once
#include <QString>
#include <cstdint>

// Path and text routines. "/" is this platform's directory separator.

// The path with a separator appended when its last character is not one.
QString AggiungiBarra(const QString& percorso);
// True when the path names an existing file (hidden files too); a folder gives false.
bool FileEsiste(const QString& percorso);
// True when the path names an existing folder.
bool IsCartella(const QString& percorso);
// The text after the last ".", trimmed; empty when there is no ".".
QString EstensioneFile(const QString& nomeFile);
// The text after the last occurrence of the separator; empty when it does not occur.
QString TestoDopoUltimo(const QString& testo, const QString& separatore);
// The text up to and including the last occurrence; empty when it does not occur.
QString TestoFinoAUltimo(const QString& testo, const QString& separatore);
// Moves a file that cannot be read aside as "<name>.illeggibile", replacing an
// earlier one, so that what it held can still be recovered by hand.
void MettiDaParteIlleggibile(const QString& percorso);
// A 64-bit size from two signed 32-bit halves; the low half counts as unsigned.
std::int64_t DimensioneDaParti(std::int32_t alta, std::int32_t bassa);
