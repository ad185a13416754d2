#include "send/SessioneFTP.h"

#include <curl/curl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <mutex>

#include "common/Percorsi.h"
#include "send/RegoleCertificato.h"

namespace {

void InizializzaCurl() {
  static std::once_flag fatto;
  std::call_once(fatto, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

size_t LeggiFile(char* buffer, size_t dimensione, size_t quanti, void* file) {
  const qint64 letti = static_cast<QFile*>(file)->read(buffer, static_cast<qint64>(dimensione * quanti));
  return letti < 0 ? CURL_READFUNC_ABORT : static_cast<size_t>(letti);
}

size_t Accumula(char* dati, size_t dimensione, size_t quanti, void* destinazione) {
  static_cast<QByteArray*>(destinazione)->append(dati, static_cast<qsizetype>(dimensione * quanti));
  return dimensione * quanti;
}

// libcurl counts as sent what the kernel has taken: with megabytes waiting in
// the send buffer the count would run seconds ahead of the line. A short queue
// of unsent bytes keeps it close, and leaves the bytes in flight free to grow.
int CodaDaInviareCorta(void*, curl_socket_t socket, curlsocktype) {
#ifdef TCP_NOTSENT_LOWAT
  const int soglia = 128 * 1024;
  setsockopt(socket, IPPROTO_TCP, TCP_NOTSENT_LOWAT, &soglia, sizeof soglia);
#endif
  return CURL_SOCKOPT_OK;
}

int RiferisciInviati(void* ascoltatore, curl_off_t, curl_off_t, curl_off_t, curl_off_t inviati) {
  (*static_cast<const std::function<void(qint64)>*>(ascoltatore))(static_cast<qint64>(inviati));
  return 0;
}

// libcurl (7.88) sets itself no timer to open a passive data connection once
// the server has named its port: curl_easy_perform's own loop may then sleep
// up to a second before an upload starts. A loop of our own wakes it this
// often at the latest.
constexpr int kRisveglioMs = 10;

CURLcode Trasferisci(CURLM* multi, CURL* curl) {
  CURLcode esito = CURLE_FAILED_INIT;
  if (curl_multi_add_handle(multi, curl) != CURLM_OK) return esito;
  int attivi = 1;
  while (curl_multi_perform(multi, &attivi) == CURLM_OK && attivi > 0)
    if (curl_multi_poll(multi, nullptr, 0, kRisveglioMs, nullptr) != CURLM_OK) break;
  int restanti = 0;
  while (CURLMsg* messaggio = curl_multi_info_read(multi, &restanti))
    if (messaggio->msg == CURLMSG_DONE && messaggio->easy_handle == curl) esito = messaggio->data.result;
  curl_multi_remove_handle(multi, curl);
  return esito;
}

EsitoFTP ConErrore(ErroreFTP errore) {
  EsitoFTP esito;
  esito.errore = errore;
  return esito;
}

// The server said no to a command: the connection itself is still good.
bool RifiutoDelServer(CURLcode esito) {
  switch (esito) {
    case CURLE_REMOTE_FILE_NOT_FOUND:
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_QUOTE_ERROR:
    case CURLE_UPLOAD_FAILED:
    case CURLE_FTP_COULDNT_RETR_FILE:
    case CURLE_LOGIN_DENIED:
      return true;
    default:
      return false;
  }
}

// Path segments are percent-encoded so that any plain name travels as it is.
QString PercorsoUrl(const QString& percorso) {
  QStringList segmenti = percorso.split(u'/');
  for (QString& s : segmenti) s = QString::fromLatin1(QUrl::toPercentEncoding(s));
  return segmenti.join(u'/');
}

// "type=file;size=1234;modify=...; name" lines of an MLSD listing.
QHash<QString, qint64> LeggiElenco(const QByteArray& elenco) {
  QHash<QString, qint64> file;
  for (const QByteArray& riga : elenco.split('\n')) {
    const QByteArray r = riga.endsWith('\r') ? riga.chopped(1) : riga;
    const qsizetype spazio = r.indexOf(' ');
    if (spazio < 0) continue;
    bool eFile = false;
    qint64 dimensione = -1;
    for (const QByteArray& fatto : r.left(spazio).split(';')) {
      const QByteArray f = fatto.toLower();
      if (f == "type=file") eFile = true;
      if (f.startsWith("size=")) dimensione = f.mid(5).toLongLong();
    }
    if (eFile && dimensione >= 0) file.insert(QString::fromUtf8(r.mid(spazio + 1)), dimensione);
  }
  return file;
}

}  // namespace

bool NomeRemotoSicuro(const QString& nome) {
  if (nome.isEmpty() || nome.startsWith(u'/') || nome.startsWith(u'\\')) return false;
  for (const QChar c : nome)
    if (c.category() == QChar::Other_Control || c == u'\\') return false;
  for (const QString& parte : nome.split(u'/'))
    if (parte == QStringLiteral("..") || parte == QStringLiteral(".")) return false;
  return true;
}

SessioneFTP::SessioneFTP() { InizializzaCurl(); }

SessioneFTP::~SessioneFTP() { ChiudiSessioneFTP(); }

int SessioneFTP::Osserva(void*, int tipo, char* dati, size_t quanti, void* io) {
  if (tipo != CURLINFO_HEADER_IN && tipo != CURLINFO_HEADER_OUT) return 0;
  auto* sessione = static_cast<SessioneFTP*>(io);
  const QByteArray riga = QByteArray(dati, static_cast<qsizetype>(quanti)).trimmed();
  if (tipo == CURLINFO_HEADER_OUT) {
    if (riga.startsWith("AUTH ")) sessione->attesaAuth_ = true;
    return 0;
  }
  // Only the last line of a reply ("226 Done", not "226-...") carries its code.
  if (riga.size() >= 4 && riga[3] == ' ') {
    bool numero = false;
    const int codice = riga.left(3).toInt(&numero);
    if (numero) {
      sessione->codiceRisposta_ = codice;
      sessione->testoRisposta_ = QString::fromUtf8(riga.mid(4));
      // 234: the server agreed and the connection turns to TLS.
      if (sessione->attesaAuth_) sessione->cifrata_ = codice == 234;
      sessione->attesaAuth_ = false;
    }
  }
  return 0;
}

QString SessioneFTP::Indirizzo(const QString& percorso) const {
  return QStringLiteral("ftp://") + impostazioni_.server + u'/' + PercorsoUrl(percorso);
}

EsitoFTP SessioneFTP::Esegui(const QString& percorso, const std::function<void(void*)>& prepara) {
  CURL* curl = static_cast<CURL*>(curl_);
  if (!curl) return ConErrore(ErroreFTP::SenzaSessione);
  // A reset keeps the live connection: every command of the send shares it.
  curl_easy_reset(curl);
  const QByteArray url = Indirizzo(percorso).toUtf8();
  const QByteArray utente = impostazioni_.utente.toUtf8();
  const QByteArray password = impostazioni_.password.toUtf8();
  const QByteArray proxy = impostazioni_.proxy.toUtf8();
  const long secondi = std::max(1L, static_cast<long>(impostazioni_.timeoutMs / 1000));
  curl_easy_setopt(curl, CURLOPT_URL, url.constData());
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "ftp");
  curl_easy_setopt(curl, CURLOPT_USERNAME, utente.constData());
  curl_easy_setopt(curl, CURLOPT_PASSWORD, password.constData());
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_TRANSFERTEXT, 0L);
  curl_easy_setopt(curl, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_SINGLECWD));
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(impostazioni_.timeoutMs));
  curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, secondi);
  // A cut connection fails after a time-out without progress instead of hanging.
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, secondi);
  // AUTH TLS before AUTH SSL; the same options on every command, or libcurl
  // would not reuse the connection.
  curl_easy_setopt(curl, CURLOPT_USE_SSL,
                   static_cast<long>(impostazioni_.tlsObbligatorio ? CURLUSESSL_ALL : CURLUSESSL_TRY));
  curl_easy_setopt(curl, CURLOPT_FTPSSLAUTH, static_cast<long>(CURLFTPAUTH_TLS));
  ApplicaRegoleCertificato(curl, impostazioni_.certificatoCA, impostazioni_.verificaCertificato);
  if (!impostazioni_.passivo && !cifrata_) curl_easy_setopt(curl, CURLOPT_FTPPORT, "-");
  if (!proxy.isEmpty()) {
    curl_easy_setopt(curl, CURLOPT_PROXY, proxy.constData());
    curl_easy_setopt(curl, CURLOPT_HTTPPROXYTUNNEL, 1L);
  }
  curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L);
  curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, Osserva);
  curl_easy_setopt(curl, CURLOPT_DEBUGDATA, this);
  prepara(curl);
  codiceRisposta_ = 0;
  testoRisposta_.clear();
  const CURLcode codice = Trasferisci(static_cast<CURLM*>(multi_), curl);
  rotta_ = codice != CURLE_OK && !RifiutoDelServer(codice);
  // After a failure the kept connection may be one the server cut, and under TLS
  // it still looks alive (the server's close waits unread in it): the pool goes,
  // and the next command connects anew.
  if (rotta_) {
    curl_multi_cleanup(static_cast<CURLM*>(multi_));
    multi_ = curl_multi_init();
  }
  const ErroreFTP errore = codice == CURLE_OK              ? ErroreFTP::Nessuno
                           : codice == CURLE_USE_SSL_FAILED ? ErroreFTP::TLSNonOfferto
                           : rotta_                         ? ErroreFTP::Connessione
                                                            : ErroreFTP::RifiutoDelServer;
  EsitoFTP esito = ConErrore(errore);
  esito.codice = codiceRisposta_;
  esito.risposta = testoRisposta_;
  return esito;
}

EsitoFTP SessioneFTP::ApriSessioneFTP(const Impostazioni& impostazioni) {
  ChiudiSessioneFTP();
  impostazioni_ = impostazioni;
  curl_ = curl_easy_init();
  cifrata_ = false;
  // The connection kept between commands lives in the multi handle.
  multi_ = curl_multi_init();
  // Logging in is all a bodiless request of the login folder does.
  const EsitoFTP esito = Esegui(QString(), [](void* c) { curl_easy_setopt(c, CURLOPT_NOBODY, 1L); });
  attiva_ = esito.riuscito();
  return esito;
}

void SessioneFTP::ChiudiSessioneFTP() {
  if (curl_) curl_easy_cleanup(static_cast<CURL*>(curl_));
  if (multi_) curl_multi_cleanup(static_cast<CURLM*>(multi_));
  curl_ = nullptr;
  multi_ = nullptr;
  attiva_ = false;
  cartellaCorrente_.clear();
  elenco_.reset();
}

EsitoFTP SessioneFTP::CreaCartellaFTP(const QString& cartella) {
  if (!attiva_) return ConErrore(ErroreFTP::SenzaSessione);
  const QByteArray comando = "MKD " + (cartellaCorrente_ + cartella).toUtf8();
  curl_slist* comandi = curl_slist_append(nullptr, comando.constData());
  const EsitoFTP esito = Esegui(QString(), [comandi](void* c) {
    curl_easy_setopt(c, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(c, CURLOPT_QUOTE, comandi);
  });
  curl_slist_free_all(comandi);
  return esito;
}

EsitoFTP SessioneFTP::CambiaCartellaFTP(const QString& base, const QString& cartella) {
  if (cartella.isEmpty()) return ConErrore(ErroreFTP::CartellaVuota);
  QString destinazione =
      !base.isEmpty() && cartella.contains(base) ? cartella.mid(base.size()) : cartella;
  if (destinazione.isEmpty()) destinazione = QStringLiteral("/");
  // URL paths start at the login folder, where the transaction folders are made.
  while (destinazione.startsWith(u'/')) destinazione.remove(0, 1);
  if (!destinazione.isEmpty() && !destinazione.endsWith(u'/')) destinazione += u'/';
  cartellaCorrente_ = destinazione;
  elenco_.reset();
  if (!attiva_) return ConErrore(ErroreFTP::SenzaSessione);
  return Esegui(cartellaCorrente_, [](void* c) { curl_easy_setopt(c, CURLOPT_NOBODY, 1L); });
}

EsitoFTP SessioneFTP::InviaFileFTP(const QString& percorsoLocale, const QString& percorsoRemoto,
                                   const std::function<void(qint64)>& inviati) {
  if (!attiva_) return ConErrore(ErroreFTP::SenzaSessione);
  const QString nome = TestoDopoUltimo(percorsoRemoto, QStringLiteral("/"));
  QFile file(percorsoLocale);
  EsitoFTP esito = ConErrore(ErroreFTP::FileLocale);
  if (!nome.isEmpty() && file.open(QIODevice::ReadOnly)) {
    const curl_off_t dimensione = file.size();
    esito = Esegui(cartellaCorrente_ + nome, [&file, dimensione, &inviati](void* c) {
      curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
      curl_easy_setopt(c, CURLOPT_READFUNCTION, LeggiFile);
      curl_easy_setopt(c, CURLOPT_READDATA, &file);
      curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, dimensione);
      curl_easy_setopt(c, CURLOPT_SOCKOPTFUNCTION, CodaDaInviareCorta);
      if (inviati) {
        curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, RiferisciInviati);
        curl_easy_setopt(c, CURLOPT_XFERINFODATA, &inviati);
        curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
      }
    });
    if (esito.riuscito() && elenco_) elenco_->insert(nome, dimensione);
  }
  if (!esito.riuscito() && elenco_) elenco_->remove(nome);
  return esito;
}

std::optional<qint64> SessioneFTP::DimensioneRemota(const QString& nome) {
  curl_off_t dimensione = -1;
  const bool fatto = Esegui(cartellaCorrente_ + nome, [](void* c) {
    curl_easy_setopt(c, CURLOPT_NOBODY, 1L);
  }).riuscito();
  // A missing file is simply absent, not an error of the send.
  if (!fatto || curl_easy_getinfo(static_cast<CURL*>(curl_), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T,
                                  &dimensione) != CURLE_OK || dimensione < 0)
    return std::nullopt;
  return dimensione;
}

bool SessioneFTP::FileGiaTrasferito(const QString& percorsoLocale) {
  if (!attiva_) return false;
  const QString nome = TestoDopoUltimo(percorsoLocale, QStringLiteral("/"));
  if (nome.isEmpty()) return false;
  const qint64 locale = QFileInfo(percorsoLocale).size();
  if (elenco_) {
    const auto trovato = elenco_->constFind(nome);
    return trovato != elenco_->constEnd() && *trovato == locale;
  }
  const auto remota = DimensioneRemota(nome);
  return remota && *remota == locale;
}

bool SessioneFTP::ElencaCartellaCorrente() {
  elenco_.reset();
  if (!attiva_) return false;
  QByteArray elenco;
  const bool fatto = Esegui(cartellaCorrente_, [&elenco](void* c) {
    curl_easy_setopt(c, CURLOPT_CUSTOMREQUEST, "MLSD");
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, Accumula);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &elenco);
  }).riuscito();
  if (fatto) elenco_ = LeggiElenco(elenco);
  return fatto;
}
