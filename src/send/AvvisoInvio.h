#pragma once
#include <QList>
#include <QString>

struct EsitoFTP;
struct RispostaWeb;

// The FTP commands of the send, each with its own context in the server's error text.
enum class OperazioneFTP { Accesso, CreaCartella, CambiaCartella, InvioFile };

// Every message of the send, as a value: the sequence and the transport
// return these, the window layer gives each its text, icon and buttons.
struct AvvisoInvio {
  enum class Tipo {
    // A request to the lab brought no reply.
    ConnessioneNonRiuscita,
    RispostaTroppoGrande,
    // The FTP server's own answer to a command (operazione, codice, dettaglio).
    RispostaFTP,
    CartellaFTPNonIndicata,
    // No keyring answered: the password stays in the settings file.
    PasswordNelFile,
    // FTPSicuro=1 and a server that does not offer TLS.
    TLSNonOfferto,
    // The steps of the send.
    AccessoFTPNonRiuscito,
    CartellaFTPNonCreata,
    FileNonInviato,
    AlbumNonRegistrato,
    CartellaNonValida,
    AlbumModificato,
    FileFuoriCartella,
    VelistraSenzaFoto,
    FotoRimossa,
    InterrottoDallUtente,
    ErroriDuranteInvio,
    InvioInterrotto,
    InvioTerminato,
    // The payment.
    Pagamento,
    ImportoTroppoBasso,
    IndirizzoPagamentoNonValido,
    // The price list.
    ListinoNonValido,
    PrezziarioNonSalvato,  // dettaglio: the file
    PrezziarioAggiornato,
    // The cancellation; ConfermaCancellazione is a question (Sì/No).
    ConfermaCancellazione,
    VelistraEliminato,
    // Files of the program that could not be saved (dettaglio: the file).
    ImpostazioniNonSalvate,
    StoricoNonSalvato,
    // The send window's own.
    UsernameOspite,
    AccessoNegato,
    InvioNonTerminato,
  };

  Tipo tipo;
  QString dettaglio = {};
  OperazioneFTP operazione = OperazioneFTP::Accesso;
  int codice = 0;

  bool operator==(const AvvisoInvio&) const = default;
};

using AvvisiInvio = QList<AvvisoInvio>;

// Why a request to the lab brought no reply; nothing when one came.
void AggiungiErroreRichiesta(const RispostaWeb& risposta, AvvisiInvio& avvisi);
// What the FTP server answered to a failed command, when it answered with an
// error; nothing otherwise.
void AggiungiErroreFTP(OperazioneFTP operazione, const EsitoFTP& esito, AvvisiInvio& avvisi);
