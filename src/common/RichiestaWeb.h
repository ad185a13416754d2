#pragma once
#include <QByteArray>
#include <QString>
#include <memory>

#include "settings/DatiImpostazioni.h"

// One HTTP(S) form post over libcurl.
class RichiestaWeb {
 public:
  // No reply of the lab comes near this, except the server's copy of the album,
  // whose request sets a limit from the album's own size.
  static constexpr qint64 kLimiteRisposta = 4 << 20;

  struct Esito {
    bool inviata = false;  // a reply arrived (whatever its status code)
    QByteArray corpo;      // the reply body exactly as received
    QString tipoContenuto; // the reply's content-type header
    QString errore;        // why nothing arrived
    bool troppoGrande = false;  // the reply went past the limit and was dropped
  };

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

  Esito InviaModulo(const QString& indirizzo, const QByteArray& corpo);

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
// + DatiFTPBase + DatiFTPPrezzi of the server) and returns
// the reply body as text. When nothing arrives it shows "Impossibile
// connettersi." and returns "</xml>"; a reply longer than the limit is dropped
// with its own message, and also gives "</xml>". The raw reply bytes go to byteRisposta.
QString InviaRichiestaWeb(const DatiServer& server, const QString& corpo, bool sicuro,
                          QByteArray* byteRisposta = nullptr,
                          qint64 limiteRisposta = RichiestaWeb::kLimiteRisposta);
