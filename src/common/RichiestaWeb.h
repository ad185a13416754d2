#pragma once
#include <QByteArray>
#include <QString>
#include <memory>

// One HTTP(S) form post over libcurl.
class RichiestaWeb {
 public:
  struct Esito {
    bool inviata = false;  // a reply arrived (whatever its status code)
    QByteArray corpo;      // the reply body exactly as received
    QString tipoContenuto; // the reply's content-type header
    QString errore;        // why nothing arrived
  };

  RichiestaWeb();
  ~RichiestaWeb();
  RichiestaWeb(const RichiestaWeb&) = delete;
  RichiestaWeb& operator=(const RichiestaWeb&) = delete;

  // Connection and stall time-out in milliseconds: connecting, and sending or
  // receiving with no progress, may each take this long at most.
  void ImpostaTimeout(int millisecondi) { timeoutMs_ = millisecondi; }
  // The lab's own certificate authority (PEM file), trusted besides the system's.
  void ImpostaCertificatoCA(const QString& percorso) { certificatoCA_ = percorso; }
  // false tolerates unknown authority, wrong host name and expired certificate.
  void ImpostaVerificaCertificato(bool verifica) { verifica_ = verifica; }

  Esito InviaModulo(const QString& indirizzo, const QByteArray& corpo);

 private:
  void* curl_ = nullptr;
  int timeoutMs_ = 30000;
  QString certificatoCA_;
  bool verifica_ = true;
};

// A new request object, or nothing when none can be made.
std::unique_ptr<RichiestaWeb> CreaRichiestaWeb();

// Posts the form-encoded body to the lab's one address ("https://" or "http://"
// + DatiFTPBase + DatiFTPPrezzi; the address argument is not used) and returns
// the reply body as text. When nothing arrives it shows "Impossibile
// connettersi." and returns "</xml>". The raw reply bytes go to byteRisposta.
QString InviaRichiestaWeb(const QString& indirizzo, const QString& corpo, bool sicuro,
                          QByteArray* byteRisposta = nullptr);
