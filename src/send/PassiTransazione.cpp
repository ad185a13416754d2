#include "send/PassiTransazione.h"

#include <QDateTime>
#include <QLocale>
#include <QUrl>

#include "codecs/Base64Class.h"
#include "common/DocumentoXML.h"
#include "send/CodiciOperazione.h"
#include "send/LetturaRisposta.h"
#include "send/ModuliRichiesta.h"
#include "send/Prezziario.h"
#include "send/RichiestaLaboratorio.h"
#include "send/SessioneFTP.h"
#include "settings/Impostazioni.h"

namespace {

using Tipo = AvvisoInvio::Tipo;

QString CorpoUtente(const ContestoInvio& contesto, const QString& modo) {
  return creaDatiPostM(contesto.credenziali.username, contesto.credenziali.password, modo);
}

// Each reply value replaces the one before only when present.
void LeggiTransazione(const DocumentoXML& risposta, Transazione& transazione) {
  LeggiRispostaTesto(risposta, QStringLiteral("/xml/transazioni/transazione_id"), transazione.id);
  LeggiRispostaTesto(risposta, QStringLiteral("/xml/transazioni/data"), transazione.data);
  LeggiRispostaTesto(risposta, QStringLiteral("/xml/transazioni/cartella"), transazione.cartella);
}

}  // namespace

QString CorpoTransazione(const ContestoInvio& contesto, const QString& transazioneId, const QString& modo) {
  return creaDatiPostTM(contesto.credenziali.username, contesto.credenziali.password, transazioneId, modo);
}

bool RiuscitoFTP(OperazioneFTP operazione, const EsitoFTP& esito, AvvisiInvio& avvisi) {
  AggiungiErroreFTP(operazione, esito, avvisi);
  return esito.riuscito();
}

SessioneFTP::Impostazioni ImpostazioniFTP(const ContestoInvio& contesto) {
  SessioneFTP::Impostazioni impostazioni;
  impostazioni.server = contesto.server.DatiFTPServer;
  impostazioni.utente = contesto.credenziali.username;
  impostazioni.password = contesto.accesso.PasswordFTP;
  impostazioni.proxy = contesto.credenziali.proxy;
  impostazioni.passivo = contesto.credenziali.passivo;
  impostazioni.timeoutMs = contesto.server.TimeoutRichiestaMs;
  impostazioni.certificatoCA = contesto.server.CertificatoCA;
  impostazioni.verificaCertificato = contesto.server.VerificaCertificato;
  impostazioni.tlsObbligatorio = contesto.server.FTPSicuro;
  return impostazioni;
}

bool CartellaTransazioneSicura(const QString& cartella) {
  // No folder at all fails later, as a folder the server refused to create.
  return cartella.isEmpty() || NomeRemotoSicuro(cartella);
}

EsitoRicerca CercaTransazione(const ContestoInvio& contesto) {
  EsitoRicerca esito;
  LeggiTransazione(*DocumentoDalLaboratorio(contesto.server,
                                            CorpoUtente(contesto, f_K_HTTPS_LEGGI_TRANSAZIONE_DA_PAGARE()),
                                            esito.avvisi),
                   esito.transazione);
  if (esito.transazione.id.isEmpty())
    LeggiTransazione(*DocumentoDalLaboratorio(contesto.server,
                                              CorpoUtente(contesto, f_K_HTTPS_LEGGI_TRANSAZIONE_PAGATO()),
                                              esito.avvisi),
                     esito.transazione);
  return esito;
}

EsitoPreparazione PreparaVelistra(const ContestoInvio& contesto) {
  EsitoPreparazione esito;
  AvvisiInvio& avvisi = esito.avvisi;
  Transazione& t = esito.transazione;
  SessioneFTP sessione;
  if (!RiuscitoFTP(OperazioneFTP::Accesso, sessione.ApriSessioneFTP(ImpostazioniFTP(contesto)), avvisi)) {
    avvisi.append({Tipo::AccessoFTPNonRiuscito});
    return esito;
  }
  LeggiTransazione(
      *DocumentoDalLaboratorio(contesto.server, CorpoUtente(contesto, f_K_HTTPS_NUOVA_TRANSAZIONE()), avvisi), t);
  // Nothing is created for a folder name that could leave the lab's area.
  if (!CartellaTransazioneSicura(t.cartella)) {
    avvisi.append({Tipo::CartellaNonValida});
    return esito;
  }
  if (t.cartella.isEmpty() ||
      !RiuscitoFTP(OperazioneFTP::CreaCartella, sessione.CreaCartellaFTP(t.cartella), avvisi)) {
    avvisi.append({Tipo::CartellaFTPNonCreata});
    return esito;
  }
  RiuscitoFTP(OperazioneFTP::CambiaCartella, sessione.CambiaCartellaFTP(contesto.server.DatiFTPServer, t.cartella),
              avvisi);
  const QString remoto = contesto.server.DatiFTPServer + u'/' + t.cartella + QStringLiteral("/Velistra.xml");
  if (!RiuscitoFTP(OperazioneFTP::InvioFile, sessione.InviaFileFTP(contesto.percorsi.PercorsoVelistraXML, remoto),
                   avvisi)) {
    avvisi.append({Tipo::FileNonInviato});
    return esito;
  }
  int esitoMD5 = 0;
  LeggiRispostaIntero(
      *DocumentoDalLaboratorio(contesto.server, CorpoTransazione(contesto, t.id, f_K_HTTPS_CREA_MD5()), avvisi),
      QStringLiteral("/xml/esito_md5"), esitoMD5);
  if (esitoMD5 != 1)
    avvisi.append({Tipo::AlbumNonRegistrato});
  else
    esito.riuscita = true;
  return esito;
}

EsitoVerificaPagamento VerificaPagamento(const ContestoInvio& contesto, const QString& transazioneId) {
  EsitoVerificaPagamento esito;
  LeggiRispostaBool(*DocumentoDalLaboratorio(contesto.server,
                                             CorpoTransazione(contesto, transazioneId, f_K_HTTPS_PAGATO()),
                                             esito.avvisi),
                    QStringLiteral("/xml/pagato"), esito.pagato);
  return esito;
}

QString TestoPrezzo(std::int32_t centesimi) {
  const QLocale locale;
  const qint64 euro = centesimi / 100;
  const qint64 resto = std::abs(centesimi % 100);
  QString testo = locale.toString(euro) + locale.decimalPoint() +
                  QStringLiteral("%1").arg(resto, 2, 10, QChar(u'0'));
  return testo.replace(u',', u'.');
}

QString IndirizzoPagamento(const QString& codificato) {
  const QString indirizzo = Base64Class().DecodeToString(codificato);
  // Only a web page is opened: any other address could start a local program.
  const QUrl url(indirizzo, QUrl::StrictMode);
  const QString schema = url.scheme().toLower();
  if (!url.isValid() || (schema != QStringLiteral("https") && schema != QStringLiteral("http")) ||
      url.host().isEmpty())
    return {};
  return indirizzo;
}

EsitoRichiestaPagamento RichiediPagamento(const ContestoInvio& contesto, const QString& transazioneId,
                                          std::int32_t centesimi) {
  EsitoRichiestaPagamento esito;
  const auto risposta = DocumentoDalLaboratorio(
      contesto.server,
      creaDatiPostTPM(contesto.credenziali.username, contesto.credenziali.password, transazioneId,
                      TestoPrezzo(centesimi), f_K_HTTPS_PAGA_VELISTRA()),
      esito.avvisi);
  QString codificato;
  if (!LeggiRispostaTesto(*risposta, QStringLiteral("/xml/url"), codificato)) return esito;
  esito.indirizzo = IndirizzoPagamento(codificato);
  if (esito.indirizzo.isEmpty()) esito.avvisi.append({Tipo::IndirizzoPagamentoNonValido});
  return esito;
}

EsitoPrezziario AggiornaPrezziario(const ContestoInvio& contesto) {
  EsitoPrezziario esito;
  std::shared_ptr<DocumentoXML> prezzi = ScaricaPrezziario(contesto.server, contesto.credenziali.username,
                                                           contesto.credenziali.password, esito.avvisi);
  const QString percorso = contesto.percorsi.PercorsoProgramma + QStringLiteral("Formati.xml");
  if (!prezzi) {
    esito.avvisi.append({Tipo::ListinoNonValido});
    return esito;
  }
  if (!prezzi->salva(percorso)) {
    esito.avvisi.append({Tipo::PrezziarioNonSalvato, percorso});
    return esito;
  }
  // Only the price breakdown reads the time: a settings file that cannot be
  // written must not turn a good download into a failure.
  Impostazioni(contesto.percorsi).ScriviListinoScaricato(QDateTime::currentDateTime());
  esito.aggiornato = true;
  esito.prezzi = std::move(prezzi);
  return esito;
}

EsitoRicercaDaCancellare CercaDaCancellare(const ContestoInvio& contesto) {
  EsitoRicercaDaCancellare esito;
  EsitoRicerca ricerca = CercaTransazione(contesto);
  esito.avvisi = std::move(ricerca.avvisi);
  esito.transazioneId = ricerca.transazione.id;
  esito.trovata = !esito.transazioneId.isEmpty();
  if (esito.trovata) {
    EsitoVerificaPagamento pagamento = VerificaPagamento(contesto, esito.transazioneId);
    esito.pagata = pagamento.pagato;
    esito.avvisi += pagamento.avvisi;
  }
  return esito;
}

AvvisiInvio CancellaTransazione(const ContestoInvio& contesto, const QString& transazioneId) {
  AvvisiInvio avvisi;
  if (!transazioneId.isEmpty())
    ChiediAlLaboratorio(contesto.server, CorpoTransazione(contesto, transazioneId, f_K_HTTPS_CANCELLA_TRANSAZIONE()),
                        avvisi);
  return avvisi;
}
