#pragma once
#include <QString>

// The program-wide values that Main fixes once at start and the rest of the
// program reads for the whole run. Tests point them at a temporary program folder.
struct ValoriProgramma {
  QString PercorsoProgramma;  // ends in the directory separator
  QString FileGuida;          // "Velistra.chm"
  QString PercorsoIni;
  QString PercorsoIniFTP;
  QString CartellaLavoro;     // ends in the directory separator
  QString PercorsoNonDisponibile;
  QString PercorsoVelistraXML;

  // Read once from "VelistraFTP.ini", section "DatiFTP".
  QString DatiFTPServer;
  QString DatiFTPBase;
  QString DatiFTPPrezzi;
  QString CertificatoCA;            // absolute path of the lab's own CA, or empty
  bool VerificaCertificato = true;  // "0" tolerates the certificate errors of old servers

  QString FileLingua;  // no step of the program selects a language file

  // The time-outs of a web request; tests shorten them.
  int TimeoutRichiestaMs = 30000;
};

// The one instance of the program-wide values.
ValoriProgramma& Programma();

// Sets the program folder and every fixed path beside it, in the start-up order.
void ImpostaCartellaProgramma(const QString& cartella);

// Reads the connection values of "VelistraFTP.ini", each through a fresh reader.
void LeggiDatiFTP();
