#pragma once
#include <QByteArray>
#include <QString>
#include <memory>

#include "settings/DatiImpostazioni.h"
// Why a request brought back no reply to read.
enum class ErroreRichiesta {
  Nessuno,
  NessunOggetto,         // no request object could be made
  ConnessioneRifiutata,  // nobody listens, or the host cannot be reached or resolved
  TempoScaduto,
  Certificato,           // the server's certificate was not trusted
  TroppoGrande,          // the reply went past the limit and was dropped
  Altro,
};

// The outcome of one request: the reply as received, or why there is none.
struct RispostaWeb {
  ErroreRichiesta errore = ErroreRichiesta::Nessuno;
  QString dettaglio;      // libcurl's own words for the failure
  long statoHttp = 0;     // read by nobody: any reply is parsed whatever its status
  QByteArray corpo;       // the reply body exactly as received
  QString tipoContenuto;  // the reply's content-type header
  bool riuscita() const { return errore == ErroreRichiesta::Nessuno; }
  // The body as text, by the charset its content type names (UTF-8 otherwise).
  QString testo() const;
};

// One HTTP(S) form post over libcurl.
class RichiestaWeb {
 public:
  // No reply of the lab comes near this, except the server's copy of the album,
  // whose request sets a limit from the album's own size.
  static constexpr qint64 kLimiteRisposta = 4 << 20;

  RichiestaWeb();
  ~RichiestaWeb();
  RichiestaWeb(const RichiestaWeb&) = delete;
  RichiestaWeb& operator=(const RichiestaWeb&) = delete;

  // Time-out in milliseconds of the whole request: resolving, connecting,
  // sending, waiting for the reply and receiving it together.
  void ImpostaTimeout(int millisecondi) { timeoutMs_ = millisecondi; }
  // The lab's own certificate authority (PEM file), trusted besides the system's.
  void ImpostaCertificatoCA(const QString& percorso) { certificatoCA_ = percorso; }
  // false tolerates unknown authority, wrong host name and expired certificate.
  void ImpostaVerificaCertificato(bool verifica) { verifica_ = verifica; }
  // A reply longer than this is dropped as soon as it passes the limit.
  void ImpostaLimiteRisposta(qint64 byte) { limiteRisposta_ = byte; }

  RispostaWeb InviaModulo(const QString& indirizzo, const QByteArray& corpo);

 private:
  void* curl_ = nullptr;
  int timeoutMs_ = 30000;
  QString certificatoCA_;
  bool verifica_ = true;
  qint64 limiteRisposta_ = kLimiteRisposta;
};

// A new request object with the time-out and certificate rules of the lab's
// servers, or nothing when none can be made.
std::unique_ptr<RichiestaWeb> CreaRichiestaWeb(const DatiServer& server);

// Posts the form-encoded body to the lab's one address ("https://" or "http://"
// + DatiFTPBase + DatiFTPPrezzi; the address argument is not used). Shows
// nothing: the caller tells the user about a failure.
RispostaWeb InviaRichiestaWeb(const DatiServer& server, const QString& corpo, bool sicuro,
                              qint64 limiteRisposta = RichiestaWeb::kLimiteRisposta);
