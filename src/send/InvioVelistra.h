#pragma once
#include <QObject>
#include <QString>
#include <atomic>
#include <memory>
#include <optional>

#include "send/AvvisoInvio.h"
#include "send/DatiInvio.h"

class DocumentoXML;
class FoglioCliente;
class OrdineVelistra;
class VistaInvio;
struct EsitoCaricamento;
struct EsitoPrezziario;
struct PassoInvio;

// The send window's commands as a sequence of steps: login, price list, send
// of the album (transaction, payment, verification of the server's album copy,
// FTP upload with resume, order files) and cancellation. Lives on the GUI
// thread: each network or file step runs as a task over a snapshot, and its
// result is applied here, to the order and the view, before the next step
// starts. Knows no widgets.
class InvioVelistra : public QObject {
  Q_OBJECT

 public:
  InvioVelistra(VistaInvio& vista, OrdineVelistra& ordine, FoglioCliente& foglio, const PercorsiProgramma& percorsi,
                const DatiServer& server, QObject* genitore = nullptr);
  ~InvioVelistra() override;

  // The commands: each returns at once and emits finita() at its end; one at a time.
  void Accedi(const CredenzialiInvio& credenziali);
  void AggiornaPrezziario(const CredenzialiInvio& credenziali);
  void Invia(const CredenzialiInvio& credenziali);
  void Cancella(const CredenzialiInvio& credenziali);
  // The interruption button (and a close request during a command): the
  // upload stops between two photos.
  void Interrompi();

  bool operazioneInCorso() const { return inCorso_; }
  const DatiAccesso& accesso() const { return accesso_; }
  void ImpostaAccesso(const DatiAccesso& accesso) { accesso_ = accesso; }
  // The last send press took the album to the lab.
  bool invioTerminato() const { return terminato_; }

 Q_SIGNALS:
  void finita();

 private:
  void Inizia(const CredenzialiInvio& credenziali);
  void Termina();
  void Mostra(const AvvisiInvio& avvisi);
  bool Interrotto() const { return *interrotto_; }

  // The send press, step by step.
  void DopoRicerca(const Transazione& transazione);
  void DopoPagamento(bool pagato);
  void Paga();
  void ChiediPagamento();
  void InviaFoto();
  void ApplicaPasso(const PassoInvio& passo);
  void DopoFoto(const EsitoCaricamento& esito);
  void AvvisaInvioFallito(bool fotoRimossa);
  void FineFoto();
  void FineInvio();

  void ApplicaPrezziario(const EsitoPrezziario& esito);
  void Cancellazione(const QString& transazioneId);
  // The send mark, kept by the order in the settings; a failed write is told.
  void ImpostaSegno(bool inCorso);

  VistaInvio& vista_;
  OrdineVelistra& ordine_;
  FoglioCliente& foglio_;
  const PercorsiProgramma percorsi_;
  const DatiServer server_;
  DatiAccesso accesso_;

  // The current command's snapshot and state.
  ContestoInvio contesto_;
  Transazione transazione_;
  std::shared_ptr<std::atomic<bool>> interrotto_ = std::make_shared<std::atomic<bool>>(false);
  std::shared_ptr<const DocumentoXML> prezzi_;
  std::optional<QString> rigaFinale_;
  int avanzamento_ = 0;
  int massimo_ = 0;
  bool inCorso_ = false;
  bool terminato_ = false;
};
