#pragma once
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QJsonValue>
#include <QPair>
#include <memory>
#include <optional>

#include "settings/DatiImpostazioni.h"
#include "support/ProcessoFiglio.h"

// The local lab stand-in (tools/lab) as a child process on free ports of
// 127.0.0.1: started by the constructor, which waits until it serves, and
// stopped by the destructor. Tests point the program at it and drive its
// fault switches.
class BancoLaboratorio {
 public:
  struct Utente {
    QString nome;
    QString password;     // the web password
    QString passwordFTP;  // the login reply's passwd_ftp
  };
  struct Transazione {
    QString id;
    QString utente;
    QString cartella;
    QString prezzo;  // the price text exactly as the client posted it
    bool pagato = false;
    bool trasferito = false;
    bool cancellata = false;
  };
  // One line of the FTP server's log: a command, or the end of a transfer.
  struct VoceFTP {
    QString evento;    // "comando" or "trasferimento"
    QString comando;   // "STOR", "SIZE", "MLSD", ...
    QString percorso;  // "user/folder/file" for paths, else the argument as sent
  };

  using Campi = QList<QPair<QString, QString>>;

  // The state lives in a temporary folder removed at the end. With offreTLS the
  // FTP server offers AUTH TLS with the stand-in's certificate and demands TLS
  // session reuse on data connections.
  explicit BancoLaboratorio(bool offreTLS = false);
  ~BancoLaboratorio();
  BancoLaboratorio(const BancoLaboratorio&) = delete;
  BancoLaboratorio& operator=(const BancoLaboratorio&) = delete;

  bool avviato() const { return avviato_; }
  QString errore() const { return errore_; }

  QString base() const;       // "127.0.0.1:port", for DatiFTPBase
  QString prezzi() const;     // the service path, for DatiFTPPrezzi
  QString serverFTP() const;  // "127.0.0.1:port", for DatiFTPServer
  // "127.0.0.1:port" of an HTTP proxy that only tunnels (CONNECT), to this machine only.
  QString proxy() const;
  QString certificatoCA() const;
  // The FTP root; each user's home is the folder of the user's name in it.
  QString cartellaFTP() const;
  Utente utente(const QString& nome) const;

  // The server values of a program pointed at the stand-in.
  DatiServer datiServer(int timeoutMs = 30000) const;
  // Writes "Server", "Base", "Prezzi" and "CertificatoCA" into a "VelistraFTP.ini".
  bool ScriviIniFTP(const QString& percorsoIni) const;

  // Fault switches. volte 0: until AzzeraGuasti. operazione empty: every operation.
  // tipo: "non_xml", "vuota", "lenta" (secondi late) or "risposta" (testo as the
  // reply; with ripeti > 1 each part of it between "[[" and "]]" comes that many times).
  bool GuastoWeb(const QString& tipo, const QString& operazione = {}, int volte = 0,
                 double secondi = 0, const QString& testo = {}, int ripeti = 1);
  // The next upload (of the file called nome, if given) stops after byte bytes;
  // modo "connessione" cuts the whole session, "dati" only the data channel.
  bool TaglioFTP(qint64 byte, const QString& nome = {}, int volte = 1,
                 const QString& modo = QStringLiteral("connessione"));
  // Uploads started from now on arrive at no more than this many kilobytes
  // (1000 bytes) a second; 0: no limit.
  bool LimiteFTP(double kbAlSecondo);
  // The next new transaction gets this folder name.
  bool CartellaImposta(const QString& testo);
  bool AzzeraGuasti();

  bool Paga(const QString& transazioneId);
  // Posts to a payment page address, as its "Paga" button does.
  bool PagaDaPagina(const QString& indirizzo);
  // Rewrites the server's copy of the album: a comment added, or the given
  // content; the recorded digest follows only with aggiornaMD5.
  bool CambiaAlbum(const QString& transazioneId, bool aggiornaMD5 = false,
                   const std::optional<QByteArray>& contenuto = std::nullopt);

  QList<Transazione> Transazioni();
  // Every form post the service received: {"operazione": name, "campi": {...}}.
  QJsonArray Richieste();
  QList<VoceFTP> RegistroFTP() const;
  // How many uploads of "user/folder/file" started.
  int Caricamenti(const QString& percorsoRemoto) const;
  // The "host:port" of every tunnel the proxy opened, in order.
  QStringList TunnelProxy() const;

  // Stops the stand-in now (the network goes down); the destructor then does nothing.
  void Ferma();

 private:
  // A form body with every name and value percent-encoded.
  static QByteArray Modulo(const Campi& campi);
  // A text of the stand-in's description of itself.
  QString Voce(const char* chiave) const;
  std::optional<QJsonValue> Controlla(const QString& azione, const Campi& campi = {});

  QTemporaryDir temporanea_;
  QString cartellaStato_ = temporanea_.path();
  std::unique_ptr<ProcessoFiglio> processo_;
  QJsonObject descrizione_;
  bool avviato_ = false;
  QString errore_;
};
