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
// Writes the four values in order, then records "Opzioni"/"DatiUtenteOk" = "1".
void ScriviDatiUtente(const DatiUtente& dati);
