#pragma once
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// The HTTPS test server (server_https.py) as a child process on a free port.
class ServerHttpsProva {
 public:
  // modo: "eco" answers every post with its body; "muto" never answers.
  explicit ServerHttpsProva(const QString& modo);
  ~ServerHttpsProva();

  bool avviato() const { return porta_ > 0; }
  int porta() const { return porta_; }
  QString certificatoCA() const { return cartella_.filePath(QStringLiteral("ca.pem")); }

 private:
  QTemporaryDir cartella_;
  QProcess processo_;
  int porta_ = 0;
};
