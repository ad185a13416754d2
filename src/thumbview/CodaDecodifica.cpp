#include "thumbview/CodaDecodifica.h"

#include <QDateTime>
#include <QFileInfo>
#include <QThread>
#include <QCoreApplication>
#include <QThreadPool>
#include <atomic>

#include "common/Compito.h"
#include "thumbview/GeometriaThumb.h"

namespace {
// A file changed while its awaited copy was made: decoded again first.
constexpr int kPrioritaAttesa = 1;

// What a file looked like when it was read: a copy made ahead is used only
// if the file is still the same when the grid asks for it.
struct Impronta {
  bool esiste = false;
  qint64 dimensione = -1;
  QDateTime modifica;
  Impronta() = default;
  explicit Impronta(const QString& percorso) {
    const QFileInfo informazioni(percorso);
    esiste = informazioni.exists();
    dimensione = informazioni.size();
    modifica = informazioni.lastModified();
  }
  bool operator==(const Impronta&) const = default;
};

// Decoding keeps the cores busy, so it has a pool of their number, shared by
// every view so that a view going away never waits for its tasks. The
// application's end does wait for them (a decode takes milliseconds): one
// still running would go on into the teardown of what it decodes with.
QThreadPool& Lavoratori() {
  static QThreadPool* lavoratori = [] {
    QThreadPool* pool = NuovoPool(std::max(1, QThread::idealThreadCount()));
    qAddPostRoutine([] { Lavoratori().waitForDone(); });
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

CodaDecodifica::CodaDecodifica(QObject* genitore) : QObject(genitore) {}

CodaDecodifica::~CodaDecodifica() { Dimentica(); }

ImmagineRidotta CodaDecodifica::CaricaMiniatura(const QString& percorso, qreal rapporto) {
  return DecodificaRidotta(percorso, &MisuraMiniatura, true, rapporto);
}

void CodaDecodifica::ImpostaRapporto(qreal rapporto) {
  if (rapporto == rapporto_) return;
  QList<std::pair<QString, int>> daRifare;
  for (auto it = inCorso_.cbegin(); it != inCorso_.cend(); ++it)
    daRifare.append({it.key(), it.value()->priorita});
  const QSet<QString> attese = attese_;
  Dimentica();
  attese_ = attese;
  rapporto_ = rapporto;
  for (const auto& [percorso, priorita] : daRifare) Anticipa(percorso, priorita);
}

void CodaDecodifica::Anticipa(const QString& percorso, int priorita) {
  if (percorso.isEmpty() || inCorso_.contains(percorso) || pronte_.contains(percorso)) return;
  auto lavoro = std::make_shared<Lavoro>();
  lavoro->priorita = priorita;
  inCorso_.insert(percorso, lavoro);
  AvviaCompito(
      Lavoratori(), priorita, this,
      [lavoro, percorso, rapporto = rapporto_] {
        if (lavoro->annullato) return Copia();
        Impronta letta(percorso);
        return Copia{std::move(letta), CaricaMiniatura(percorso, rapporto)};
      },
      [this, generazione = generazione_, percorso](Copia copia) {
        Consegna(generazione, percorso, std::move(copia));
      });
}

void CodaDecodifica::Consegna(quint64 generazione, const QString& percorso, Copia copia) {
  if (generazione != generazione_) return;
  inCorso_.remove(percorso);
  if (!attese_.contains(percorso)) {
    pronte_.insert(percorso, std::make_shared<Copia>(std::move(copia)));
    return;
  }
  if (copia.impronta != Impronta(percorso)) return Anticipa(percorso, kPrioritaAttesa);
  attese_.remove(percorso);
  Q_EMIT copiaAttesa(percorso, copia.immagine);
}

std::optional<ImmagineRidotta> CodaDecodifica::Chiedi(const QString& percorso, int priorita) {
  if (const std::shared_ptr<Copia> copia = pronte_.take(percorso)) {
    if (copia->impronta == Impronta(percorso)) return std::move(copia->immagine);
  }
  Anticipa(percorso, priorita);
  attese_.insert(percorso);
  return std::nullopt;
}

void CodaDecodifica::Dimentica() {
  for (const std::shared_ptr<Lavoro>& lavoro : std::as_const(inCorso_)) lavoro->annullato = true;
  inCorso_.clear();
  pronte_.clear();
  attese_.clear();
  ++generazione_;
}
