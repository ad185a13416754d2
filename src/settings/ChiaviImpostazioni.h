#pragma once
#include <QString>

// Sections of the two settings files; their keys, defaults and types are in Impostazioni.
inline const QString kSezioneOpzioni = QStringLiteral("Opzioni");
inline const QString kSezioneDimForm = QStringLiteral("DimForm");
inline const QString kSezioneDatiUtente = QStringLiteral("DatiUtente");
inline const QString kSezioneDatiFTP = QStringLiteral("DatiFTP");
