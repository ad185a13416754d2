#pragma once
#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "support/ServerPythonProva.h"

// The HTTPS test server (server_https.py) with its certificates in a temporary folder.
class ServerHttpsProva {
 public:
  // modo: "eco" answers every post with its body; "muto" never answers;
  // "tardi" answers like "eco" after ritardoSecondi.
  explicit ServerHttpsProva(const QString& modo, double ritardoSecondi = 0);

  bool avviato() const { return server_->avviato(); }
  int porta() const { return server_->porta(); }
  QString certificatoCA() const { return cartella_.filePath(QStringLiteral("ca.pem")); }

 private:
  QTemporaryDir cartella_;
  std::unique_ptr<ServerPythonProva> server_;
};
