#pragma once
#include <QString>
#include <QtGlobal>
#include <deque>
#include <functional>
#include <optional>

// How far a whole upload has got: bytes sent of the total, the rate over the
// last seconds and the time left, as the line the send window shows under its
// progress bar. Units are decimal (1 kB = 1000 bytes, 1 MB = 10^6, 1 GB = 10^9).
// Used by one thread; the clock is injected so that tests need not wait.
class AndamentoInvio {
 public:
  // Milliseconds from any fixed point; never goes back.
  using Orologio = std::function<qint64()>;

  static constexpr qint64 kFinestraMs = 3000;      // the rate is over this span
  static constexpr qint64 kPrimaStimaMs = 1000;    // no rate sooner than this
  static constexpr qint64 kIntervalloMs = 500;     // between two lines shown
  static constexpr qint64 kPassoCampioniMs = 100;  // samples kept at most this often

  explicit AndamentoInvio(qint64 totale, Orologio orologio = OrologioMonotono());

  // A file the server already holds: its bytes count as sent, not in the rate.
  void GiaSulServer(qint64 byte);
  // The bytes of the file being uploaded that have gone so far.
  void FileInCorso(qint64 byteDelFile);
  void FileConcluso();

  qint64 totale() const { return totale_; }
  qint64 inviati() const;
  // Bytes per second over the last kFinestraMs; none in the first second.
  std::optional<double> byteAlSecondo() const;
  std::optional<qint64> secondiRimasti() const;

  // True at most once every kIntervalloMs: the window is told no more often.
  bool DaMostrare();
  // "Inviati 182,4 MB di 1,2 GB · 1,8 MB/s · circa 9 minuti"
  QString testo() const;
  // The bytes only, for when the upload has stopped.
  QString testoFinale() const;

  static Orologio OrologioMonotono();

 private:
  struct Campione {
    qint64 ms;
    qint64 byte;  // sent over the line up to then
  };
  qint64 sullaLinea() const { return lineaConclusa_ + lineaCorrente_; }

  const qint64 totale_;
  const Orologio orologio_;
  const qint64 inizio_;
  qint64 giaSulServer_ = 0;
  qint64 lineaConclusa_ = 0;
  qint64 lineaCorrente_ = 0;
  qint64 ultimaMostra_;
  std::deque<Campione> campioni_;
};

// "512 byte", "850 kB", "182,4 MB", "1,2 GB" in the user's regional format, as every number shown.
QString TestoByte(qint64 byte);
// "circa 40 secondi", "circa 1 minuto", "circa 9 minuti", "circa 2 ore".
QString TestoTempoRimasto(qint64 secondi);
