#include "ServerHttpsProva.h"

ServerHttpsProva::ServerHttpsProva(const QString& modo, double ritardoSecondi)
    : server_(std::make_unique<ServerPythonProva>(
          QStringLiteral(VELISTRA_SORGENTI "/tests/send/server_https.py"),
          QStringList{cartella_.path(), modo, QString::number(ritardoSecondi)})) {}
