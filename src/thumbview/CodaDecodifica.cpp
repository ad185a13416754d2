#include "thumbview/CodaDecodifica.h"

#include <QDateTime>
#include <QFileInfo>
#include <QRunnable>
#include <QThread>
#include <condition_variable>
#include <mutex>
#include <optional>

#include "thumbview/GeometriaThumb.h"

namespace {
// What a file looked like when it was read: a copy made ahead is used only
// if the file is still the same when the grid asks for it.
struct Impronta {
  bool esiste = false;
  qint64 dimensione = -1;
  QDateTime modifica;
  explicit Impronta(const QString& percorso) {
    const QFileInfo informazioni(percorso);
    esiste = informazioni.exists();
    dimensione = informazioni.size();
    modifica = informazioni.lastModified();
  }
  bool operator==(const Impronta&) const = default;
};
}  // namespace

struct CodaDecodifica::Lavoro {
  QString percorso;
  qreal rapporto = 1.0;
  std::optional<Impronta> impronta;
  QRunnable* esecutore = nullptr;  // alive while not fatto: queued or running
  std::mutex blocco;
  std::condition_variable finito;
  bool fatto = false;
  ImmagineRidotta risultato;

  void Esegui() {
    Impronta letta(percorso);
    ImmagineRidotta copia = CaricaMiniatura(percorso, rapporto);
    std::lock_guard<std::mutex> chiave(blocco);
    impronta = std::move(letta);
    risultato = std::move(copia);
    fatto = true;
    finito.notify_all();
  }
};

CodaDecodifica::CodaDecodifica() {
  lavoratori_.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
}

CodaDecodifica::~CodaDecodifica() {
  lavoratori_.clear();
  lavoratori_.waitForDone();
}

ImmagineRidotta CodaDecodifica::CaricaMiniatura(const QString& percorso, qreal rapporto) {
  return DecodificaRidotta(percorso, &MisuraMiniatura, true, rapporto);
}

void CodaDecodifica::ImpostaRapporto(qreal rapporto) {
  if (rapporto == rapporto_) return;
  Dimentica();
  rapporto_ = rapporto;
}

void CodaDecodifica::Anticipa(const QString& percorso, int priorita) {
  if (percorso.isEmpty() || lavori_.contains(percorso)) return;
  auto lavoro = std::make_shared<Lavoro>();
  lavoro->percorso = percorso;
  lavoro->rapporto = rapporto_;
  lavoro->esecutore = QRunnable::create([lavoro] { lavoro->Esegui(); });
  lavori_.insert(percorso, lavoro);
  lavoratori_.start(lavoro->esecutore, priorita);
}

ImmagineRidotta CodaDecodifica::Prendi(const QString& percorso) {
  const std::shared_ptr<Lavoro> lavoro = lavori_.take(percorso);
  if (!lavoro) return CaricaMiniatura(percorso, rapporto_);
  std::unique_lock<std::mutex> chiave(lavoro->blocco);
  if (!lavoro->fatto) {
    chiave.unlock();
    if (lavoratori_.tryTake(lavoro->esecutore)) {
      delete lavoro->esecutore;
      return CaricaMiniatura(percorso, rapporto_);
    }
    chiave.lock();
    lavoro->finito.wait(chiave, [&lavoro] { return lavoro->fatto; });
  }
  if (lavoro->impronta != Impronta(percorso)) return CaricaMiniatura(percorso, rapporto_);
  return std::move(lavoro->risultato);
}

void CodaDecodifica::Dimentica() {
  lavoratori_.clear();
  lavori_.clear();
}
