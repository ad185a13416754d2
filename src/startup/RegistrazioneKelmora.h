#pragma once
#include <QString>

// An installed program has no Kelmora library beside its program folder: it
// registers its own (libreria) in the registry of the user who starts it, when
// the registry has no separator class or names a library that is gone. An
// entry naming a library that exists is left as the user made it. True when
// the registry now names a library that exists.
bool RegistraKelmoraSeManca(const QString& libreria);
