#include "common/RichiestaWeb.h"

#include <curl/curl.h>

#include <QCoreApplication>
#include <QThread>
#include <mutex>

#include "common/Ansi.h"
#include "common/Piattaforma.h"

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

// The window keeps painting while a request waits; input stays queued.
int PompaEventi(void*, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  QCoreApplication* app = QCoreApplication::instance();
  if (app && QThread::currentThread() == app->thread())
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  return 0;
}

// The reply as text, by the charset its content type names (UTF-8 otherwise).
QString TestoRisposta(const QByteArray& corpo, const QString& tipoContenuto) {
  const QString tipo = tipoContenuto.toLower();
  if (tipo.contains(QStringLiteral("charset=iso-8859-1")) ||
      tipo.contains(QStringLiteral("charset=windows-1252")))
    return DaAnsi(corpo);
  return QString::fromUtf8(corpo);
}

}  // namespace

RichiestaWeb::RichiestaWeb() {
  InizializzaCurl();
  curl_ = curl_easy_init();
}

RichiestaWeb::~RichiestaWeb() {
  if (curl_) curl_easy_cleanup(static_cast<CURL*>(curl_));
}

RichiestaWeb::Esito RichiestaWeb::InviaModulo(const QString& indirizzo, const QByteArray& corpo) {
  Esito esito;
  CURL* curl = static_cast<CURL*>(curl_);
  if (!curl) {
    esito.errore = QStringLiteral("no libcurl handle");
    return esito;
  }
  curl_easy_reset(curl);
  const QByteArray url = indirizzo.toUtf8();
  const QByteArray ca = certificatoCA_.toLocal8Bit();
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
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, PompaEventi);
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  if (!ca.isEmpty()) {
    curl_easy_setopt(curl, CURLOPT_CAINFO, ca.constData());
    // The system's authorities stay trusted besides the lab's own.
    curl_easy_setopt(curl, CURLOPT_CAPATH, "/etc/ssl/certs");
  }
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, verifica_ ? 1L : 0L);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, verifica_ ? 2L : 0L);

  const CURLcode codice = curl_easy_perform(curl);
  curl_slist_free_all(intestazioni);
  if (codice != CURLE_OK) {
    esito.troppoGrande = ricezione.superato;
    esito.errore = QString::fromUtf8(curl_easy_strerror(codice));
    esito.corpo.clear();
    return esito;
  }
  char* tipo = nullptr;
  if (curl_easy_getinfo(curl, CURLINFO_CONTENT_TYPE, &tipo) == CURLE_OK && tipo)
    esito.tipoContenuto = QString::fromLatin1(tipo);
  esito.inviata = true;
  return esito;
}

std::unique_ptr<RichiestaWeb> CreaRichiestaWeb(const DatiServer& server) {
  auto richiesta = std::make_unique<RichiestaWeb>();
  richiesta->ImpostaTimeout(server.TimeoutRichiestaMs);
  richiesta->ImpostaCertificatoCA(server.CertificatoCA);
  richiesta->ImpostaVerificaCertificato(server.VerificaCertificato);
  return richiesta;
}

QString InviaRichiestaWeb(const DatiServer& server, const QString& corpo, bool sicuro,
                          QByteArray* byteRisposta, qint64 limiteRisposta) {
  const QString fallita = QStringLiteral("</xml>");
  if (byteRisposta) byteRisposta->clear();
  std::unique_ptr<RichiestaWeb> richiesta = CreaRichiestaWeb(server);
  RichiestaWeb::Esito esito;
  if (richiesta) {
    const QString schema = sicuro ? QStringLiteral("https://") : QStringLiteral("http://");
    richiesta->ImpostaLimiteRisposta(limiteRisposta);
    esito = richiesta->InviaModulo(schema + server.DatiFTPBase + server.DatiFTPPrezzi, corpo.toUtf8());
  }
  if (esito.troppoGrande) {
    MsgBox(QStringLiteral("La risposta del server supera la dimensione ammessa ed è stata scartata."),
           IconaMessaggio::Critica);
    return fallita;
  }
  if (!esito.inviata) {
    MsgBox(QStringLiteral("Impossibile connettersi."), IconaMessaggio::Critica);
    return fallita;
  }
  if (byteRisposta) *byteRisposta = esito.corpo;
  return TestoRisposta(esito.corpo, esito.tipoContenuto);
}
