#pragma once
#include <QByteArray>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>

#include "send/AccessoLaboratorio.h"
#include "send/MessaggiErrore.h"
#include "send/SessioneFTP.h"
#include "send/VistaSulThreadGrafico.h"
#include "settings/DatiImpostazioni.h"
#include "settings/PercorsiProgramma.h"

class DocumentoXML;
class FoglioCliente;
class OrdineVelistra;
class QObject;
class VistaInvio;

// The send of the album to the lab: transaction, payment, verification of the
// server's album copy, FTP upload with resume, and cancellation. Knows no
// widgets: it talks to the send window through VistaInvio, to the order and to
// the customer sheet, all always on the GUI thread, so that its sequences can
// run as straight code on a worker.
class InvioVelistra {
 public:
  InvioVelistra(VistaInvio& vista, OrdineVelistra& ordine, FoglioCliente& foglio, const PercorsiProgramma& percorsi,
                const DatiServer& server);
  ~InvioVelistra();

  void ImpostaAccesso(const DatiAccesso& accesso) { accesso_ = accesso; }
  const DatiAccesso& accesso() const { return accesso_; }

  // Runs lavoro (one of the long actions below) on a worker; fine runs on the
  // GUI thread after it. Called on the GUI thread, one operation at a time.
  void Avvia(QObject* contesto, std::function<void()> lavoro, std::function<void()> fine);
  bool operazioneInCorso() const { return inCorso_; }

  // The send button and the cancel button. The window keeps its commands off
  // until the whole press has ended: the sequence still calls into it to the end.
  void PremiInviaVelistra();
  void PremiCancellaInvioVelistra();
  // The interruption button (and a close request during an operation).
  void Interrompi() { ContinuaOperazione = false; }

  // Downloads the price list into "Formati.xml" and hands the order the new
  // catalogue; false, with a message, when the reply is not a catalogue.
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
  std::atomic<bool> ContinuaOperazione{false};
  bool InvioTerminato = false;

 private:
  std::unique_ptr<DocumentoXML> Richiesta(const QString& corpo);
  QString CorpoTransazione(const QString& modo) const;
  void CercaTransazione();
  SessioneFTP::Impostazioni ImpostazioniFTP() const;
  bool CartellaTransazioneSicura();
  bool VerificaAlbum(QByteArray& albumServer);
  bool FotoNellaCartellaDiLavoro(const QList<struct VoceAlbum>& voci);
  bool InviaFileOrdine(const QString& percorsoLocale, const QString& nomeRemoto);
  QString PercorsoRemoto(const QString& nome) const;

  // Tells the server's error text and says whether the command went through.
  static bool RiuscitoFTP(OperazioneFTP operazione, const EsitoFTP& esito);

  VistaSulThreadGrafico vista_;
  // Both live on the GUI thread, where the windows follow the order's signals:
  // the worker reaches them through SulThreadGrafico.
  OrdineVelistra& ordine_;
  FoglioCliente& foglio_;
  const PercorsiProgramma percorsi_;
  const DatiServer server_;
  DatiAccesso accesso_;
  SessioneFTP sessione_;
  std::unique_ptr<DocumentoXML> XMLDOMPrezzi;
  bool inCorso_ = false;  // GUI thread only: from Avvia to the end of fine
};

// The amount as the payment request sends it: "#,0.00" in the user's locale
// with every "," then turned into "." (123450 cents: "1.234.50").
QString TestoPrezzo(std::int32_t centesimi);

// The payment page's address from its Base64 text, when it is an http or https
// address with a host; empty otherwise.
QString IndirizzoPagamento(const QString& codificato);
