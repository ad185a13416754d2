#include "send/RichiestaWeb.h"

#include <curl/curl.h>

#include <mutex>

#include "common/Ansi.h"
#include "send/RegoleCertificato.h"

namespace {

void InizializzaCurl() {
  static std::once_flag fatto;
  std::call_once(fatto, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Ricezione {
  QByteArray* corpo;
  qint64 limite;
  bool superato = false;
};

size_t Ricevi(char* dati, size_t dimensione, size_t quanti, void* destinazione) {
  auto* ricezione = static_cast<Ricezione*>(destinazione);
  const auto n = static_cast<qsizetype>(dimensione * quanti);
  if (ricezione->corpo->size() + n > ricezione->limite) {
    ricezione->superato = true;
    return 0;  // libcurl stops the transfer
  }
  ricezione->corpo->append(dati, n);
  return dimensione * quanti;
}

// What a failed transfer means for the caller.
ErroreRichiesta ErroreDaCurl(CURLcode codice) {
  switch (codice) {
    case CURLE_COULDNT_CONNECT:
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
      return ErroreRichiesta::ConnessioneRifiutata;
    case CURLE_OPERATION_TIMEDOUT:
      return ErroreRichiesta::TempoScaduto;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
      return ErroreRichiesta::Certificato;
    default:
      return ErroreRichiesta::Altro;
  }
}

}  // namespace

QString RispostaWeb::testo() const {
  const QString tipo = tipoContenuto.toLower();
  if (tipo.contains(QStringLiteral("charset=iso-8859-1")) ||
      tipo.contains(QStringLiteral("charset=windows-1252")))
    return DaAnsi(corpo);
  return QString::fromUtf8(corpo);
}

RichiestaWeb::RichiestaWeb() {
  InizializzaCurl();
  curl_ = curl_easy_init();
}

RichiestaWeb::~RichiestaWeb() {
  if (curl_) curl_easy_cleanup(static_cast<CURL*>(curl_));
}

RispostaWeb RichiestaWeb::InviaModulo(const QString& indirizzo, const QByteArray& corpo) {
  RispostaWeb esito;
  CURL* curl = static_cast<CURL*>(curl_);
  if (!curl) {
    esito.errore = ErroreRichiesta::NessunOggetto;
    return esito;
  }
  curl_easy_reset(curl);
  const QByteArray url = indirizzo.toUtf8();
  curl_easy_setopt(curl, CURLOPT_URL, url.constData());
  curl_easy_setopt(curl, CURLOPT_POST, 1L);
  curl_easy_setopt(curl, CURLOPT_POSTFIELDS, corpo.constData());
  curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(corpo.size()));
  curl_slist* intestazioni =
      curl_slist_append(nullptr, "content-type: application/x-www-form-urlencoded");
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, intestazioni);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  // One deadline for the whole request: a late reply and one that drips in
  // past it fail like a silent server.
  curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(timeoutMs_));
  Ricezione ricezione{&esito.corpo, limiteRisposta_};
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Ricevi);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &ricezione);
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  ApplicaRegoleCertificato(curl, certificatoCA_, verifica_);

  const CURLcode codice = curl_easy_perform(curl);
  curl_slist_free_all(intestazioni);
  if (codice != CURLE_OK) {
    esito.errore = ricezione.superato ? ErroreRichiesta::TroppoGrande : ErroreDaCurl(codice);
    esito.dettaglio = QString::fromUtf8(curl_easy_strerror(codice));
    esito.corpo.clear();
    return esito;
  }
  char* tipo = nullptr;
  if (curl_easy_getinfo(curl, CURLINFO_CONTENT_TYPE, &tipo) == CURLE_OK && tipo)
    esito.tipoContenuto = QString::fromLatin1(tipo);
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &esito.statoHttp);
  return esito;
}

std::unique_ptr<RichiestaWeb> CreaRichiestaWeb(const DatiServer& server) {
  auto richiesta = std::make_unique<RichiestaWeb>();
  richiesta->ImpostaTimeout(server.TimeoutRichiestaMs);
  richiesta->ImpostaCertificatoCA(server.CertificatoCA);
  richiesta->ImpostaVerificaCertificato(server.VerificaCertificato);
  return richiesta;
}

RispostaWeb InviaRichiestaWeb(const DatiServer& server, const QString& corpo, bool sicuro, qint64 limiteRisposta) {
  std::unique_ptr<RichiestaWeb> richiesta = CreaRichiestaWeb(server);
  if (!richiesta) {
    RispostaWeb nessuna;
    nessuna.errore = ErroreRichiesta::NessunOggetto;
    return nessuna;
  }
  const QString schema = sicuro ? QStringLiteral("https://") : QStringLiteral("http://");
  richiesta->ImpostaLimiteRisposta(limiteRisposta);
  return richiesta->InviaModulo(schema + server.DatiFTPBase + server.DatiFTPPrezzi, corpo.toUtf8());
}
