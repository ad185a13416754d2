#pragma once
#include <QByteArray>
#include <QString>
#include <memory>

#include "common/RichiestaWeb.h"
#include "send/AccessoLaboratorio.h"
#include "send/SessioneFTP.h"

class DocumentoXML;
class FinestraPrincipaleInvio;
class VistaInvio;

// The send of the album to the lab: transaction, payment, verification of the
// server's album copy, FTP upload with resume, and cancellation. Knows no
// widgets: it talks to the send window through VistaInvio and to the main
// window through FinestraPrincipaleInvio.
class InvioVelistra {
 public:
  InvioVelistra(VistaInvio& vista, FinestraPrincipaleInvio& principale);
  ~InvioVelistra();

  void ImpostaAccesso(const DatiAccesso& accesso) { accesso_ = accesso; }
  const DatiAccesso& accesso() const { return accesso_; }

  // The send button and the cancel button.
  void PremiInviaVelistra();
  void PremiCancellaInvioVelistra();
  // The interruption button (and a close request during an operation).
  void Interrompi() { ContinuaOperazione = false; }
  bool operazioneInCorso() const { return inCorso_; }

  // Downloads the price list into "Formati.xml" and hands the main window the
  // new catalogue; false, with a message, when the reply is not a catalogue.
  bool sAggiornaPrezziario();

  // Steps of the sequence, public for the window and the tests.
  void setDatiTransazione(const DocumentoXML& pXMLDOMTransazione);
  bool NuovaTransazione();
  bool PreparaVelistra();
  bool VerificaPagamento();
  bool PagaVelistra();
  void InviaVelistra();
  bool CancellaInvioVelistra();
  void EseguiInvioVelistra();
  void FTPInCorso(int Valore);

  QString TransazioneId;
  QString TransazioneData;
  QString TransazioneCartella;
  bool ContinuaOperazione = false;
  bool InvioTerminato = false;

 private:
  std::unique_ptr<DocumentoXML> Richiesta(const QString& corpo, QByteArray* byte = nullptr,
                                          qint64 limite = RichiestaWeb::kLimiteRisposta);
  QString CorpoTransazione(const QString& modo) const;
  void CercaTransazione();
  SessioneFTP::Impostazioni ImpostazioniFTP() const;
  bool CartellaTransazioneSicura();
  bool VerificaAlbum(QByteArray& albumServer);
  bool FotoNellaCartellaDiLavoro(const QList<class NodoXML>& voci);
  bool InviaFileOrdine(const QString& percorsoLocale, const QString& nomeRemoto);
  QString PercorsoRemoto(const QString& nome) const;

  VistaInvio& vista_;
  FinestraPrincipaleInvio& principale_;
  DatiAccesso accesso_;
  SessioneFTP sessione_;
  std::unique_ptr<DocumentoXML> XMLDOMPrezzi;
  bool inCorso_ = false;
};

// The amount as the payment request sends it: "#,0.00" in the user's locale
// with every "," then turned into "." (123450 cents: "1.234.50").
QString TestoPrezzo(std::int32_t centesimi);

// The payment page's address from its Base64 text, when it is an http or https
// address with a host; empty otherwise.
QString IndirizzoPagamento(const QString& codificato);
