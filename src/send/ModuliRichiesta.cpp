#include "send/ModuliRichiesta.h"

#include <QUrl>
#include <initializer_list>
#include <utility>

namespace {

QString Codifica(const QString& valore) {
  // UTF-8 percent-encoding; a space becomes "+" as forms send it.
  QByteArray codificato = QUrl::toPercentEncoding(valore, " ");
  codificato.replace(' ', '+');
  return QString::fromLatin1(codificato);
}

QString Modulo(std::initializer_list<std::pair<const char*, QString>> campi) {
  QString corpo;
  for (const auto& [nome, valore] : campi) {
    if (!corpo.isEmpty()) corpo += u'&';
    corpo += QLatin1String(nome) + u'=' + Codifica(valore);
  }
  return corpo;
}

}  // namespace

QString creaDatiPostM(const QString& username, const QString& password, const QString& modo) {
  return Modulo({{"username", username}, {"passwd", password}, {"modo", modo}});
}

QString creaDatiPostTM(const QString& username, const QString& password,
                       const QString& transazione_id, const QString& modo) {
  return Modulo({{"username", username},
                 {"passwd", password},
                 {"transazione_id", transazione_id},
                 {"modo", modo}});
}

QString creaDatiPostTPM(const QString& username, const QString& password,
                        const QString& transazione_id, const QString& prezzo,
                        const QString& modo) {
  return Modulo({{"username", username},
                 {"passwd", password},
                 {"transazione_id", transazione_id},
                 {"prezzo", prezzo},
                 {"modo", modo}});
}

QString creaDatiPostTTM(const QString& username, const QString& password,
                        const QString& transazione_id, const QString& traferito,
                        const QString& modo) {
  return Modulo({{"username", username},
                 {"passwd", password},
                 {"transazione_id", transazione_id},
                 {"trasferito", traferito},
                 {"modo", modo}});
}
