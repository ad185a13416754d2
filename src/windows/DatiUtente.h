#pragma once
#include <QString>

// The customer's name and address, section "DatiUtente" of the settings file.
struct DatiUtente {
  QString Cognome;
  QString Nome;
  QString Citta;
  QString Via;
};

// Empty texts for what is absent.
DatiUtente LeggiDatiUtente();
// Writes the four values and "Opzioni"/"DatiUtenteOk" = "1" with one
// replacement of the file; false, the file unchanged, when it cannot be written.
bool ScriviDatiUtente(const DatiUtente& dati);
