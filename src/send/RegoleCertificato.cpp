#include "send/RegoleCertificato.h"

#include <curl/curl.h>

void ApplicaRegoleCertificato(void* curl, const QString& certificatoCA, bool verifica) {
  // libcurl copies the strings it is given.
  const QByteArray ca = certificatoCA.toLocal8Bit();
  if (!ca.isEmpty()) {
    curl_easy_setopt(curl, CURLOPT_CAINFO, ca.constData());
    // The system's authorities stay trusted besides the lab's own.
    curl_easy_setopt(curl, CURLOPT_CAPATH, "/etc/ssl/certs");
  }
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, verifica ? 1L : 0L);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, verifica ? 2L : 0L);
}
