#include "send/PortachiaviPassword.h"

#include <qt6keychain/keychain.h>

namespace {

// One keyring entry per lab: its address names the service, the user the key.
template <typename Lavoro>
Lavoro* Prepara(const QString& laboratorio, const QString& utente) {
  auto* lavoro = new Lavoro(QStringLiteral("Velistra ") + laboratorio);
  lavoro->setAutoDelete(true);
  lavoro->setKey(utente);
  return lavoro;
}

}  // namespace

void LeggiDalPortachiavi(const QString& laboratorio, const QString& utente, QObject* contesto,
                         std::function<void(std::optional<QString>)> fatto) {
  auto* lavoro = Prepara<QKeychain::ReadPasswordJob>(laboratorio, utente);
  QObject::connect(lavoro, &QKeychain::Job::finished, contesto, [lavoro, fatto = std::move(fatto)] {
    fatto(lavoro->error() == QKeychain::NoError ? std::optional(lavoro->textData()) : std::nullopt);
  });
  lavoro->start();
}

void SalvaNelPortachiavi(const QString& laboratorio, const QString& utente, const QString& password,
                         QObject* contesto, std::function<void(bool)> fatto) {
  auto* lavoro = Prepara<QKeychain::WritePasswordJob>(laboratorio, utente);
  lavoro->setTextData(password);
  QObject::connect(lavoro, &QKeychain::Job::finished, contesto,
                   [lavoro, fatto = std::move(fatto)] { fatto(lavoro->error() == QKeychain::NoError); });
  lavoro->start();
}
