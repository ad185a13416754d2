#pragma once
#include <QHash>
#include <QString>
#include <functional>
#include <optional>

// Why an FTP command failed.
enum class ErroreFTP {
  Nessuno,
  SenzaSessione,     // no session is open, or none could be made
  RifiutoDelServer,  // the server answered no; the connection is still good
  Connessione,       // the connection failed, was cut or timed out
  FileLocale,        // the local file cannot be read
  CartellaVuota,     // no folder was named
  TLSNonOfferto,     // the settings require TLS and the server does not offer it
};

// The outcome of one command, with the server's last reply line.
struct EsitoFTP {
  ErroreFTP errore = ErroreFTP::Nessuno;
  int codice = 0;    // 0 when no reply came
  QString risposta;
  bool riuscito() const { return errore == ErroreFTP::Nessuno; }
};

// One FTP session for a whole send, over one libcurl handle, so the control
// connection is kept from the first command to the last. Binary transfers only.
// Every connection asks for TLS first (AUTH TLS); once the server agrees, the
// control and data connections are encrypted, data connections resume the
// control connection's TLS session and are passive (libcurl 7.88 sends active
// data in clear under explicit TLS). Failures come back as values and show
// nothing; none throws.
class SessioneFTP {
 public:
  struct Impostazioni {
    QString server;    // "host" or "host:port"
    QString utente;
    QString password;
    QString proxy;     // an HTTP proxy, tunnelled; empty for a direct connection
    bool passivo = false;  // active data connections are only made without TLS
    int timeoutMs = 30000;
    QString certificatoCA;  // the lab's own authority, trusted besides the system's
    bool verificaCertificato = true;
    bool tlsObbligatorio = false;  // a server without TLS is refused (TLSNonOfferto)
  };

  SessioneFTP();
  ~SessioneFTP();
  SessioneFTP(const SessioneFTP&) = delete;
  SessioneFTP& operator=(const SessioneFTP&) = delete;

  EsitoFTP ApriSessioneFTP(const Impostazioni& impostazioni);
  void ChiudiSessioneFTP();
  bool attiva() const { return attiva_; }
  // The server agreed to TLS on the current control connection.
  bool cifrata() const { return cifrata_; }

  EsitoFTP CreaCartellaFTP(const QString& cartella);
  // The target is the directory without the base text when it holds it; "/" when empty.
  EsitoFTP CambiaCartellaFTP(const QString& base, const QString& cartella);
  // Uploads into the current directory under the text after the last "/" of
  // the remote path, replacing a file of that name. inviati, when given, hears
  // the bytes of this file sent so far, many times a second and at least once
  // a second, on the calling thread.
  EsitoFTP InviaFileFTP(const QString& percorsoLocale, const QString& percorsoRemoto,
                        const std::function<void(qint64)>& inviati = {});
  // True when the current directory holds a file of the same name and size.
  bool FileGiaTrasferito(const QString& percorsoLocale);
  // Reads the current directory once (MLSD); FileGiaTrasferito then answers
  // from it. False when the server cannot list: answers then come one by one.
  bool ElencaCartellaCorrente();

 private:
  EsitoFTP Esegui(const QString& percorso, const std::function<void(void*)>& prepara);
  // A missing remote file counts as absent, not as a failure of the session.
  std::optional<qint64> DimensioneRemota(const QString& nome);
  QString Indirizzo(const QString& percorso) const;
  static int Osserva(void*, int tipo, char* dati, size_t quanti, void* io);

  void* curl_ = nullptr;
  void* multi_ = nullptr;
  bool attiva_ = false;
  bool rotta_ = false;  // the last command failed
  bool cifrata_ = false;
  bool attesaAuth_ = false;  // an AUTH command awaits its reply
  Impostazioni impostazioni_;
  QString cartellaCorrente_;  // relative to the login folder, ending in "/" or empty
  std::optional<QHash<QString, qint64>> elenco_;
  int codiceRisposta_ = 0;
  QString testoRisposta_;
};

// A name the server gives for a folder or a file to send: relative, no control
// characters (CR or LF would inject commands), no ".." component.
bool NomeRemotoSicuro(const QString& nome);
