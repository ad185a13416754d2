#include "thumbview/CodaDecodifica.h"

#include <QDateTime>
#include <QFileInfo>
#include <QMetaObject>
#include <QRunnable>
#include <QThread>
#include <QThreadPool>
#include <atomic>
#include <mutex>

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

// One pool for every view, so that a view going away never waits for its jobs.
QThreadPool& Lavoratori() {
  static QThreadPool* lavoratori = [] {
    auto* pool = new QThreadPool;
    pool->setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
    return pool;
  }();
  return *lavoratori;
}
}  // namespace

struct CodaDecodifica::Copia {
  Impronta impronta;
  ImmagineRidotta immagine;
};

struct CodaDecodifica::Lavoro {
  std::atomic<bool> annullato = false;
  int priorita = 0;
};

// Where the workers deliver; emptied when the queue goes, under the lock, so a
// worker never posts to a queue that is gone.
struct CodaDecodifica::Recapito {
  std::mutex blocco;
  CodaDecodifica* coda = nullptr;
};

CodaDecodifica::CodaDecodifica(QObject* genitore)
    : QObject(genitore), recapito_(std::make_shared<Recapito>()) {
  recapito_->coda = this;
}

CodaDecodifica::~CodaDecodifica() {
  Dimentica();
  std::lock_guard<std::mutex> chiave(recapito_->blocco);
  recapito_->coda = nullptr;
}

ImmagineRidotta CodaDecodifica::CaricaMiniatura(const QString& percorso, qreal rapporto) {
  return DecodificaRidotta(percorso, &MisuraMiniatura, true, rapporto);
}

void CodaDecodifica::ImpostaRapporto(qreal rapporto) {
  if (rapporto == rapporto_) return;
  QList<std::pair<QString, int>> daRifare;
  for (auto it = inCorso_.cbegin(); it != inCorso_.cend(); ++it)
    daRifare.append({it.key(), it.value()->priorita});
  Dimentica();
  rapporto_ = rapporto;
  for (const auto& [percorso, priorita] : daRifare) Anticipa(percorso, priorita);
}

void CodaDecodifica::Anticipa(const QString& percorso, int priorita) {
  if (percorso.isEmpty() || inCorso_.contains(percorso) || pronte_.contains(percorso)) return;
  auto lavoro = std::make_shared<Lavoro>();
  lavoro->priorita = priorita;
  inCorso_.insert(percorso, lavoro);
  Lavoratori().start(
      [lavoro, percorso, rapporto = rapporto_, generazione = generazione_, recapito = recapito_] {
        if (lavoro->annullato) return;
        Impronta letta(percorso);
        auto copia = std::make_shared<Copia>(Copia{std::move(letta), CaricaMiniatura(percorso, rapporto)});
        std::lock_guard<std::mutex> chiave(recapito->blocco);
        if (!recapito->coda) return;
        CodaDecodifica* coda = recapito->coda;
        QMetaObject::invokeMethod(
            coda, [coda, generazione, percorso, copia] { coda->Consegna(generazione, percorso, copia); },
            Qt::QueuedConnection);
      },
      priorita);
}

void CodaDecodifica::Consegna(quint64 generazione, const QString& percorso, std::shared_ptr<Copia> copia) {
  if (generazione != generazione_) return;
  inCorso_.remove(percorso);
  pronte_.insert(percorso, std::move(copia));
  Q_EMIT copiaPronta(percorso);
}

std::optional<ImmagineRidotta> CodaDecodifica::Chiedi(const QString& percorso, int priorita) {
  if (const std::shared_ptr<Copia> copia = pronte_.take(percorso)) {
    if (copia->impronta == Impronta(percorso)) return std::move(copia->immagine);
  }
  Anticipa(percorso, priorita);
  return std::nullopt;
}

void CodaDecodifica::Dimentica() {
  for (const std::shared_ptr<Lavoro>& lavoro : std::as_const(inCorso_)) lavoro->annullato = true;
  inCorso_.clear();
  pronte_.clear();
  ++generazione_;
}
