#include "settings/Impostazioni.h"

#include <QByteArray>
#include <QDir>
#include <QList>

#include "settings/ChiaviImpostazioni.h"
#include "settings/cINIProfiles.h"

namespace {

struct Chiave {
  const QString* sezione;
  const char* nome;
  const char* predefinito;
};

constexpr Chiave kContatoreFoto{&kSezioneOpzioni, "ContatoreFoto", "0"};
constexpr Chiave kChiusuraOk{&kSezioneOpzioni, "ChiusuraOk", "1"};
constexpr Chiave kNonMostrareMessaggio{&kSezioneOpzioni, "NonMostrareMessaggio", "0"};
constexpr Chiave kDatiUtenteOk{&kSezioneOpzioni, "DatiUtenteOk", "0"};
constexpr Chiave kFTPInCorso{&kSezioneOpzioni, "FTPInCorso", "0"};
constexpr Chiave kFormatoDefault{&kSezioneOpzioni, "FormatoDefault", "15x10"};
constexpr Chiave kDeviceName{&kSezioneOpzioni, "DeviceName", "LP-1500sRGB"};
// Written as "yyyy-MM-ddTHH:mm:ss", local time.
constexpr Chiave kListinoScaricato{&kSezioneOpzioni, "ListinoScaricato", ""};

constexpr Chiave kPicResizer2{&kSezioneDimForm, "picResizer2", "500"};
constexpr Chiave kFormMassimizzata{&kSezioneDimForm, "FormMassimizzata", "1"};
constexpr Chiave kAltezzaForm{&kSezioneDimForm, "AltezzaForm", "6000"};
constexpr Chiave kLarghezzaForm{&kSezioneDimForm, "LarghezzaForm", "9000"};
constexpr Chiave kTopForm{&kSezioneDimForm, "TopForm", "50"};
constexpr Chiave kLeftForm{&kSezioneDimForm, "LeftForm", "50"};

constexpr Chiave kCognome{&kSezioneDatiUtente, "Cognome", ""};
constexpr Chiave kNome{&kSezioneDatiUtente, "Nome", ""};
constexpr Chiave kCitta{&kSezioneDatiUtente, "Citta", ""};
constexpr Chiave kVia{&kSezioneDatiUtente, "Via", ""};

constexpr Chiave kServer{&kSezioneDatiFTP, "Server", ""};
constexpr Chiave kBase{&kSezioneDatiFTP, "Base", ""};
constexpr Chiave kPrezzi{&kSezioneDatiFTP, "Prezzi", ""};
constexpr Chiave kCertificatoCA{&kSezioneDatiFTP, "CertificatoCA", ""};
constexpr Chiave kVerificaCertificato{&kSezioneDatiFTP, "VerificaCertificato", "1"};
constexpr Chiave kFTPSicuro{&kSezioneDatiFTP, "FTPSicuro", "0"};
constexpr Chiave kUsername{&kSezioneDatiFTP, "Username", ""};
constexpr Chiave kPassword{&kSezioneDatiFTP, "Password", ""};
constexpr Chiave kProxy{&kSezioneDatiFTP, "Proxy", ""};
constexpr Chiave kFTPPassivo{&kSezioneDatiFTP, "FTPPassivo", "0"};

QString Flag(bool valore) { return valore ? QStringLiteral("1") : QStringLiteral("0"); }

const QString& FileDi(const PercorsiProgramma& percorsi, const Chiave& chiave) {
  return chiave.sezione == &kSezioneDatiFTP ? percorsi.PercorsoIniFTP : percorsi.PercorsoIni;
}

QString Testo(const PercorsiProgramma& percorsi, const Chiave& chiave) {
  return cINIProfiles().GetPrivateProfileString(*chiave.sezione, QString::fromLatin1(chiave.nome),
                                                QString::fromLatin1(chiave.predefinito),
                                                FileDi(percorsi, chiave));
}

// Any whole number but 0 is set; a text that is no number is 0.
bool LeggiFlag(const PercorsiProgramma& percorsi, const Chiave& chiave) {
  return Testo(percorsi, chiave).trimmed().toInt() != 0;
}

int LeggiIntero(const PercorsiProgramma& percorsi, const Chiave& chiave) {
  bool ok = false;
  const int valore = Testo(percorsi, chiave).trimmed().toInt(&ok);
  return ok ? valore : QByteArray(chiave.predefinito).toInt();
}

VoceProfilo Voce(const Chiave& chiave, const QString& valore) {
  return {*chiave.sezione, QString::fromLatin1(chiave.nome), valore};
}

// All the values go to the file of the first one, with one replacement of it.
bool Scrivi(const PercorsiProgramma& percorsi, const Chiave& prima, const QList<VoceProfilo>& voci) {
  return cINIProfiles().WritePrivateProfileStrings(voci, FileDi(percorsi, prima)) != 0;
}

bool Scrivi(const PercorsiProgramma& percorsi, const Chiave& chiave, const QString& valore) {
  return Scrivi(percorsi, chiave, {Voce(chiave, valore)});
}

}  // namespace

Impostazioni::Impostazioni(const PercorsiProgramma& percorsi) : percorsi_(percorsi) {}

std::int32_t Impostazioni::ContatoreFoto() const {
  const int valore = LeggiIntero(percorsi_, kContatoreFoto);
  return valore >= 0 ? valore : 0;
}

bool Impostazioni::ScriviContatoreFoto(std::int32_t valore) const {
  return Scrivi(percorsi_, kContatoreFoto, QString::number(valore));
}

bool Impostazioni::ChiusuraOk() const { return LeggiFlag(percorsi_, kChiusuraOk); }

bool Impostazioni::ScriviChiusuraOk(bool valore) const {
  return Scrivi(percorsi_, kChiusuraOk, Flag(valore));
}

bool Impostazioni::NonMostrareMessaggio() const { return LeggiFlag(percorsi_, kNonMostrareMessaggio); }

bool Impostazioni::ScriviNonMostrareMessaggio(bool valore) const {
  return Scrivi(percorsi_, kNonMostrareMessaggio, Flag(valore));
}

bool Impostazioni::DatiUtenteOk() const { return LeggiFlag(percorsi_, kDatiUtenteOk); }

bool Impostazioni::FTPInCorso() const { return LeggiFlag(percorsi_, kFTPInCorso); }

bool Impostazioni::ScriviFTPInCorso(bool valore) const {
  return Scrivi(percorsi_, kFTPInCorso, Flag(valore));
}

QString Impostazioni::FormatoDefault() const { return Testo(percorsi_, kFormatoDefault); }

QString Impostazioni::DeviceName() const { return Testo(percorsi_, kDeviceName); }

std::optional<QDateTime> Impostazioni::ListinoScaricato() const {
  const QDateTime quando = QDateTime::fromString(Testo(percorsi_, kListinoScaricato).trimmed(), Qt::ISODate);
  return quando.isValid() ? std::optional<QDateTime>(quando) : std::nullopt;
}

bool Impostazioni::ScriviListinoScaricato(const QDateTime& quando) const {
  return Scrivi(percorsi_, kListinoScaricato, quando.toString(Qt::ISODate));
}

DimensioniFinestra Impostazioni::Dimensioni() const {
  DimensioniFinestra d;
  d.picResizer2 = LeggiIntero(percorsi_, kPicResizer2);
  d.FormMassimizzata = LeggiIntero(percorsi_, kFormMassimizzata) != 0;
  d.AltezzaForm = LeggiIntero(percorsi_, kAltezzaForm);
  d.LarghezzaForm = LeggiIntero(percorsi_, kLarghezzaForm);
  d.TopForm = LeggiIntero(percorsi_, kTopForm);
  d.LeftForm = LeggiIntero(percorsi_, kLeftForm);
  return d;
}

bool Impostazioni::ScriviDimensioni(const DimensioniFinestra& d, bool conFinestra) const {
  QList<VoceProfilo> voci;
  if (conFinestra)
    voci = {Voce(kAltezzaForm, QString::number(d.AltezzaForm)),
            Voce(kLarghezzaForm, QString::number(d.LarghezzaForm)),
            Voce(kTopForm, QString::number(d.TopForm)), Voce(kLeftForm, QString::number(d.LeftForm))};
  voci.append(Voce(kPicResizer2, QString::number(d.picResizer2)));
  voci.append(Voce(kFormMassimizzata, Flag(d.FormMassimizzata)));
  return Scrivi(percorsi_, kPicResizer2, voci);
}

DatiUtente Impostazioni::LeggiDatiUtente() const {
  return {Testo(percorsi_, kCognome), Testo(percorsi_, kNome), Testo(percorsi_, kCitta),
          Testo(percorsi_, kVia)};
}

bool Impostazioni::ScriviDatiUtente(const DatiUtente& dati) const {
  return Scrivi(percorsi_, kCognome,
                {Voce(kCognome, dati.Cognome), Voce(kNome, dati.Nome), Voce(kCitta, dati.Citta),
                 Voce(kVia, dati.Via), Voce(kDatiUtenteOk, Flag(true))});
}

DatiServer Impostazioni::LeggiDatiServer() const {
  DatiServer server;
  server.DatiFTPServer = Testo(percorsi_, kServer);
  server.DatiFTPBase = Testo(percorsi_, kBase);
  server.DatiFTPPrezzi = Testo(percorsi_, kPrezzi);
  const QString ca = Testo(percorsi_, kCertificatoCA);
  if (!ca.isEmpty())
    server.CertificatoCA = QDir::cleanPath(QDir(percorsi_.PercorsoProgramma).absoluteFilePath(ca));
  // Only an explicit "0" turns the check off.
  server.VerificaCertificato = Testo(percorsi_, kVerificaCertificato).trimmed() != u'0';
  server.FTPSicuro = LeggiFlag(percorsi_, kFTPSicuro);
  return server;
}

DatiConnessione Impostazioni::LeggiConnessione() const {
  return {Testo(percorsi_, kUsername), Testo(percorsi_, kPassword), Testo(percorsi_, kProxy),
          LeggiFlag(percorsi_, kFTPPassivo)};
}

bool Impostazioni::ScriviConnessione(const DatiConnessione& c) const {
  return Scrivi(percorsi_, kUsername,
                {Voce(kUsername, c.Username), Voce(kPassword, c.PasswordMemorizzata),
                 Voce(kProxy, c.Proxy), Voce(kFTPPassivo, Flag(c.FTPPassivo))});
}
