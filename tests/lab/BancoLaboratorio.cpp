#include "BancoLaboratorio.h"

#include <QFile>
#include <QJsonDocument>
#include <QUrl>

#include "send/RichiestaWeb.h"
#include "settings/ChiaviImpostazioni.h"
#include "settings/cINIProfiles.h"

namespace {

constexpr int kAttesaAvvioMs = 60000;
constexpr int kAttesaArrestoMs = 15000;
constexpr int kTimeoutControlloMs = 10000;

RispostaWeb Posta(const QString& ca, const QString& indirizzo, const QByteArray& corpo) {
  RichiestaWeb richiesta;
  richiesta.ImpostaTimeout(kTimeoutControlloMs);
  richiesta.ImpostaCertificatoCA(ca);
  return richiesta.InviaModulo(indirizzo, corpo);
}

}  // namespace

QByteArray BancoLaboratorio::Modulo(const Campi& campi) {
  QByteArray corpo;
  for (const auto& [nome, valore] : campi) {
    if (!corpo.isEmpty()) corpo += '&';
    corpo += QUrl::toPercentEncoding(nome) + '=' + QUrl::toPercentEncoding(valore);
  }
  return corpo;
}

BancoLaboratorio::BancoLaboratorio(bool offreTLS) {
  // -B: no bytecode caches in the source tree.
  QStringList argomenti{QStringLiteral("-B"), QStringLiteral(VELISTRA_LAB_SCRIPT), QStringLiteral("--stato"),
                        cartellaStato_, QStringLiteral("--fino-a-stdin")};
  if (offreTLS) argomenti.append(QStringLiteral("--ftp-tls"));
  // Errors go to a file: an unread pipe could fill up and stall the stand-in.
  processo_ = std::make_unique<ProcessoFiglio>(QStringLiteral(VELISTRA_LAB_PYTHON), argomenti,
                                               cartellaStato_ + QStringLiteral("/errori.log"));
  const QByteArray riga = processo_->LeggiRiga(kAttesaAvvioMs).trimmed();
  if (!riga.startsWith("PRONTO ")) {
    Ferma();
    QFile errori(cartellaStato_ + QStringLiteral("/errori.log"));
    errore_ = errori.open(QIODevice::ReadOnly) ? QString::fromUtf8(errori.readAll())
                                               : QStringLiteral("the stand-in did not start");
    return;
  }
  descrizione_ = QJsonDocument::fromJson(riga.mid(7)).object();
  avviato_ = !descrizione_.isEmpty();
}

BancoLaboratorio::~BancoLaboratorio() { Ferma(); }

void BancoLaboratorio::Ferma() {
  avviato_ = false;
  processo_->Ferma(kAttesaArrestoMs);
}

QString BancoLaboratorio::Voce(const char* chiave) const {
  return descrizione_.value(QLatin1String(chiave)).toString();
}
QString BancoLaboratorio::base() const { return Voce("Base"); }
QString BancoLaboratorio::prezzi() const { return Voce("Prezzi"); }
QString BancoLaboratorio::serverFTP() const { return Voce("Server"); }
QString BancoLaboratorio::proxy() const {
  return QStringLiteral("127.0.0.1:%1").arg(descrizione_.value(QStringLiteral("porta_proxy")).toInt());
}
QString BancoLaboratorio::certificatoCA() const { return Voce("CertificatoCA"); }
QString BancoLaboratorio::cartellaFTP() const { return Voce("radice_ftp"); }

BancoLaboratorio::Utente BancoLaboratorio::utente(const QString& nome) const {
  for (const QJsonValue& valore : descrizione_.value(QStringLiteral("utenti")).toArray()) {
    const QJsonObject u = valore.toObject();
    if (u.value(QStringLiteral("nome")).toString() != nome) continue;
    return {nome, u.value(QStringLiteral("password")).toString(),
            u.value(QStringLiteral("password_ftp")).toString()};
  }
  return {};
}

DatiServer BancoLaboratorio::datiServer(int timeoutMs) const {
  DatiServer server;
  server.DatiFTPServer = serverFTP();
  server.DatiFTPBase = base();
  server.DatiFTPPrezzi = prezzi();
  server.CertificatoCA = certificatoCA();
  server.VerificaCertificato = true;
  server.TimeoutRichiestaMs = timeoutMs;
  return server;
}

bool BancoLaboratorio::ScriviIniFTP(const QString& percorsoIni) const {
  cINIProfiles ini;
  for (const char* chiave : {"Server", "Base", "Prezzi", "CertificatoCA"})
    if (!ini.WritePrivateProfileString(kSezioneDatiFTP, QLatin1String(chiave), Voce(chiave), percorsoIni)) return false;
  return true;
}

std::optional<QJsonValue> BancoLaboratorio::Controlla(const QString& azione, const Campi& campi) {
  if (!avviato_) return std::nullopt;
  Campi modulo{{QStringLiteral("azione"), azione}};
  modulo += campi;
  const RispostaWeb esito = Posta(certificatoCA(), Voce("controllo"), Modulo(modulo));
  QJsonParseError analisi;
  const QJsonDocument risposta = QJsonDocument::fromJson(esito.corpo, &analisi);
  if (!esito.riuscita() || analisi.error != QJsonParseError::NoError) return std::nullopt;
  if (risposta.isObject() && risposta.object().contains(QStringLiteral("errore"))) return std::nullopt;
  return risposta.isArray() ? QJsonValue(risposta.array()) : QJsonValue(risposta.object());
}

bool BancoLaboratorio::GuastoWeb(const QString& tipo, const QString& operazione, int volte, double secondi,
                                 const QString& testo, int ripeti) {
  return Controlla("guasto_web", {{"tipo", tipo}, {"operazione", operazione},
                                  {"volte", volte > 0 ? QString::number(volte) : QString()},
                                  {"secondi", QString::number(secondi)}, {"testo", testo},
                                  {"ripeti", QString::number(ripeti)}})
      .has_value();
}

bool BancoLaboratorio::TaglioFTP(qint64 byte, const QString& nome, int volte, const QString& modo) {
  return Controlla("taglio_ftp",
                   {{"byte", QString::number(byte)}, {"nome", nome}, {"volte", QString::number(volte)}, {"modo", modo}})
      .has_value();
}

bool BancoLaboratorio::LimiteFTP(double kbAlSecondo) {
  return Controlla(QStringLiteral("limite_ftp"), {{QStringLiteral("kb"), QString::number(kbAlSecondo)}}).has_value();
}

bool BancoLaboratorio::CartellaImposta(const QString& testo) {
  return Controlla(QStringLiteral("cartella"), {{QStringLiteral("testo"), testo}}).has_value();
}

bool BancoLaboratorio::AzzeraGuasti() { return Controlla(QStringLiteral("azzera_guasti")).has_value(); }

bool BancoLaboratorio::Paga(const QString& transazioneId) {
  return Controlla(QStringLiteral("paga"), {{QStringLiteral("transazione_id"), transazioneId}}).has_value();
}

bool BancoLaboratorio::PagaDaPagina(const QString& indirizzo) {
  const RispostaWeb esito = Posta(certificatoCA(), indirizzo, {});
  return esito.riuscita() && esito.corpo.contains("Pagamento eseguito");
}

bool BancoLaboratorio::CambiaAlbum(const QString& transazioneId, bool aggiornaMD5,
                                   const std::optional<QByteArray>& contenuto) {
  Campi campi{{"transazione_id", transazioneId}, {"aggiorna_md5", aggiornaMD5 ? "1" : "0"}};
  if (contenuto) campi.append({"contenuto", QString::fromUtf8(*contenuto)});
  return Controlla(QStringLiteral("album"), campi).has_value();
}

QList<BancoLaboratorio::Transazione> BancoLaboratorio::Transazioni() {
  QList<Transazione> elenco;
  const std::optional<QJsonValue> risposta = Controlla(QStringLiteral("transazioni"));
  if (!risposta) return elenco;
  for (const QJsonValue& valore : risposta->toArray()) {
    const QJsonObject t = valore.toObject();
    const auto testo = [&t](const char* chiave) { return t.value(QLatin1String(chiave)).toString(); };
    const auto vero = [&t](const char* chiave) { return t.value(QLatin1String(chiave)).toInt() != 0; };
    elenco.append({QString::number(t.value(QStringLiteral("id")).toInt()), testo("utente"), testo("cartella"),
                   testo("prezzo"), vero("pagato"), vero("trasferito"), vero("cancellata")});
  }
  return elenco;
}

QJsonArray BancoLaboratorio::Richieste() {
  const std::optional<QJsonValue> risposta = Controlla(QStringLiteral("richieste"));
  return risposta ? risposta->toArray() : QJsonArray();
}

namespace {

// The complete lines of a JSON-lines log; a last line still being written is skipped.
QList<QJsonObject> VociRegistro(const QString& percorso) {
  QList<QJsonObject> voci;
  QFile registro(percorso);
  if (!registro.open(QIODevice::ReadOnly)) return voci;
  for (const QByteArray& riga : registro.readAll().split('\n')) {
    const QJsonObject voce = QJsonDocument::fromJson(riga).object();
    if (!voce.isEmpty()) voci.append(voce);
  }
  return voci;
}

}  // namespace

QList<BancoLaboratorio::VoceFTP> BancoLaboratorio::RegistroFTP() const {
  QList<VoceFTP> voci;
  for (const QJsonObject& v : VociRegistro(Voce("registro_ftp"))) {
    const bool comando = v.value(QStringLiteral("evento")).toString() == QStringLiteral("comando");
    voci.append({v.value(QStringLiteral("evento")).toString(), v.value(QStringLiteral("comando")).toString(),
                 v.value(comando ? QStringLiteral("argomento") : QStringLiteral("percorso")).toString()});
  }
  return voci;
}

QStringList BancoLaboratorio::TunnelProxy() const {
  QStringList destinazioni;
  for (const QJsonObject& v : VociRegistro(Voce("registro_proxy")))
    destinazioni.append(v.value(QStringLiteral("destinazione")).toString());
  return destinazioni;
}

int BancoLaboratorio::Caricamenti(const QString& percorsoRemoto) const {
  int quanti = 0;
  for (const VoceFTP& voce : RegistroFTP())
    if (voce.evento == QStringLiteral("comando") && voce.comando == QStringLiteral("STOR") &&
        voce.percorso == percorsoRemoto)
      ++quanti;
  return quanti;
}
