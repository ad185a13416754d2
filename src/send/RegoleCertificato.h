#pragma once
#include <QString>

// How every TLS connection to the lab's servers checks their certificate, on a
// libcurl easy handle (CURL*): the lab's own authority (a PEM file) trusted
// besides the system's; verifica false tolerates an unknown authority, a wrong
// host name and an expired certificate.
void ApplicaRegoleCertificato(void* curl, const QString& certificatoCA, bool verifica);
