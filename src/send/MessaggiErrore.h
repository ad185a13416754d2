#pragma once

class QWidget;
struct EsitoFTP;
struct RispostaWeb;

// The FTP commands of the send, each with its own context in the server's error text.
enum class OperazioneFTP { Accesso, CreaCartella, CambiaCartella, InvioFile };

// Tells the user why a request to the lab brought no reply; nothing when one came.
void AvvisaErroreRichiesta(const RispostaWeb& risposta);

// Tells the user what the FTP server answered to a failed command, when it
// answered with an error; nothing otherwise.
void AvvisaErroreFTP(OperazioneFTP operazione, const EsitoFTP& esito);

// A file of the send that the lab's FTP server did not take.
void AvvisaInvioFileNonRiuscito();

// An album without an order text: nothing to send, nothing to write.
void AvvisaVelistraSenzaFoto(QWidget* proprietario = nullptr);
