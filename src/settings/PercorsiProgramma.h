#pragma once
#include <QString>

// The files and folders that lie at fixed places in the program folder. Main
// fixes them once at start; the objects that need them are handed a copy.
struct PercorsiProgramma {
  QString PercorsoProgramma;  // ends in the directory separator
  QString FileGuida;          // "Velistra.chm"
  QString PercorsoIni;
  QString PercorsoIniFTP;
  QString CartellaLavoro;     // ends in the directory separator
  QString PercorsoNonDisponibile;
  QString PercorsoVelistraXML;
  QString PercorsoFormati;
  QString PercorsoStorico;    // "Storico.xml": the orders written or sent
  QString PercorsoOriginali;  // "Originali.xml": where the album's copies came from
  QString FileLingua;  // no step of the program selects a language file
};

// Every fixed path beside the program folder, in the start-up order.
PercorsiProgramma PercorsiNellaCartella(const QString& cartella);
