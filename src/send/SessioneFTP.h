#pragma once
#include <QHash>
#include <QString>
#include <functional>
#include <optional>

// One FTP session for a whole send, over one libcurl handle, so the control
// connection is kept from the first command to the last. Binary transfers only.
// Each routine that fails shows the server's error reply (MostraErroreFTP) and
// returns false; none throws.
class SessioneFTP {
 public:
  struct Impostazioni {
    QString server;    // "host" or "host:port"
    QString utente;
    QString password;
    QString proxy;     // an HTTP proxy, tunnelled; empty for a direct connection
    bool passivo = false;
    int timeoutMs = 30000;
  };

  SessioneFTP();
  ~SessioneFTP();
  SessioneFTP(const SessioneFTP&) = delete;
  SessioneFTP& operator=(const SessioneFTP&) = delete;

  // Called while a file travels, with bytes sent and bytes in all.
  void ImpostaAvanzamento(std::function<void(qint64, qint64)> avanzamento) {
    avanzamento_ = std::move(avanzamento);
  }

  void ApriSessioneFTP(const Impostazioni& impostazioni);
  void ChiudiSessioneFTP();
  bool attiva() const { return attiva_; }

  bool CreaCartellaFTP(const QString& cartella);
  // The target is the directory without the base text when it holds it; "/" when empty.
  void CambiaCartellaFTP(const QString& base, const QString& cartella);
  // Uploads into the current directory under the text after the last "/" of
  // the remote path, replacing a file of that name.
  bool InviaFileFTP(const QString& percorsoLocale, const QString& percorsoRemoto);
  // True when the current directory holds a file of the same name and size.
  bool FileGiaTrasferito(const QString& percorsoLocale);
  // Reads the current directory once (MLSD); FileGiaTrasferito then answers
  // from it. False when the server cannot list: answers then come one by one.
  bool ElencaCartellaCorrente();

  // Shows context + " Extd Err: " + code + " " + text when the server's last
  // reply was an error.
  void MostraErroreFTP(const QString& contesto) const;

  // The server's last reply line and code.
  int codiceUltimaRisposta() const { return codiceRisposta_; }
  QString ultimaRisposta() const { return testoRisposta_; }

 private:
  bool Esegui(const QString& percorso, const std::function<void(void*)>& prepara);
  // A missing remote file counts as absent, not as a failure of the session.
  std::optional<qint64> DimensioneRemota(const QString& nome);
  QString Indirizzo(const QString& percorso) const;
  static int Osserva(void*, int tipo, char* dati, size_t quanti, void* io);

  void* curl_ = nullptr;
  bool attiva_ = false;
  bool rotta_ = false;  // the last command failed
  Impostazioni impostazioni_;
  QString cartellaCorrente_;  // relative to the login folder, ending in "/" or empty
  std::optional<QHash<QString, qint64>> elenco_;
  std::function<void(qint64, qint64)> avanzamento_;
  int codiceRisposta_ = 0;
  QString testoRisposta_;
};

// A name the server gives for a folder or a file to send: relative, no control
// characters (CR or LF would inject commands), no ".." component.
bool NomeRemotoSicuro(const QString& nome);
