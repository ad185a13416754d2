#pragma once
#include <QString>

// The main window's geometry as the settings keep it (section "DimForm"): the
// window in twips, the splitter in pixels of the window's inner area.
struct DimensioniFinestra {
  int AltezzaForm = 6000;
  int LarghezzaForm = 9000;
  int TopForm = 50;
  int LeftForm = 50;
  int picResizer2 = 500;
  bool FormMassimizzata = true;
};

// The customer's name and address (section "DatiUtente").
struct DatiUtente {
  QString Cognome;
  QString Nome;
  QString Citta;
  QString Via;
};

// The lab's servers (section "DatiFTP" of "VelistraFTP.ini"), read once at start.
struct DatiServer {
  QString DatiFTPServer;
  QString DatiFTPBase;
  QString DatiFTPPrezzi;
  QString CertificatoCA;            // absolute path of the lab's own CA, or empty
  bool VerificaCertificato = true;  // "0" tolerates the certificate errors of old servers
  bool FTPSicuro = false;           // "1": no upload unless the FTP server agrees to TLS
  int TimeoutRichiestaMs = 30000;   // of a web request; tests shorten it
};

// The customer's own connection settings (section "DatiFTP"); the password is
// kept in its stored, scrambled form.
struct DatiConnessione {
  QString Username;
  QString PasswordMemorizzata;
  QString Proxy;
  bool FTPPassivo = false;
};
