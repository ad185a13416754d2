#include "send/AndamentoInvio.h"

#include <chrono>
#include <cmath>

#include "common/NumeriCliente.h"

QString TestoByte(qint64 byte) {
  // Each unit holds until its rounded figure would read 1000.
  if (byte < 1000) return TestoIntero(byte) + QStringLiteral(" byte");
  if (byte < 999'500) return TestoIntero(qRound64(byte / 1e3)) + QStringLiteral(" kB");
  if (byte < 999'950'000) return TestoDecimale(byte / 1e6, 1) + QStringLiteral(" MB");
  return TestoDecimale(byte / 1e9, 1) + QStringLiteral(" GB");
}

QString TestoTempoRimasto(qint64 secondi) {
  if (secondi <= 1) return QStringLiteral("circa 1 secondo");
  if (secondi < 10) return QStringLiteral("circa %1 secondi").arg(TestoIntero(secondi));
  // Past ten seconds a figure to the second would only flicker.
  if (secondi < 58) return QStringLiteral("circa %1 secondi").arg(TestoIntero((secondi + 2) / 5 * 5));
  const qint64 minuti = (secondi + 30) / 60;
  if (minuti == 1) return QStringLiteral("circa 1 minuto");
  if (minuti < 60) return QStringLiteral("circa %1 minuti").arg(TestoIntero(minuti));
  const qint64 ore = (secondi + 1800) / 3600;
  if (ore == 1) return QStringLiteral("circa 1 ora");
  return QStringLiteral("circa %1 ore").arg(TestoIntero(ore));
}

AndamentoInvio::Orologio AndamentoInvio::OrologioMonotono() {
  return [] {
    return static_cast<qint64>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                   std::chrono::steady_clock::now().time_since_epoch())
                                   .count());
  };
}

AndamentoInvio::AndamentoInvio(qint64 totale, Orologio orologio)
    : totale_(totale), orologio_(std::move(orologio)), inizio_(orologio_()), ultimaMostra_(inizio_) {
  campioni_.push_back({inizio_, 0});
}

void AndamentoInvio::GiaSulServer(qint64 byte) { giaSulServer_ += byte; }

void AndamentoInvio::FileInCorso(qint64 byteDelFile) {
  lineaCorrente_ = std::max(lineaCorrente_, byteDelFile);
  const qint64 adesso = orologio_();
  const Campione nuovo{adesso, sullaLinea()};
  // libcurl reports many times a second: close samples collapse into the newest.
  if (campioni_.size() >= 2 && adesso - campioni_[campioni_.size() - 2].ms < kPassoCampioniMs)
    campioni_.back() = nuovo;
  else
    campioni_.push_back(nuovo);
  // The newest sample at or before the window's start stays as its base.
  while (campioni_.size() > 2 && campioni_[1].ms <= adesso - kFinestraMs) campioni_.pop_front();
}

void AndamentoInvio::FileConcluso() {
  lineaConclusa_ += lineaCorrente_;
  lineaCorrente_ = 0;
}

qint64 AndamentoInvio::inviati() const {
  // A file grown since the total was taken must not show more than the whole.
  return std::min(totale_, giaSulServer_ + sullaLinea());
}

std::optional<double> AndamentoInvio::byteAlSecondo() const {
  const qint64 adesso = orologio_();
  if (adesso - inizio_ < kPrimaStimaMs) return std::nullopt;
  Campione base = campioni_.front();
  for (const Campione& c : campioni_) {
    if (c.ms > adesso - kFinestraMs) break;
    base = c;
  }
  if (adesso <= base.ms) return std::nullopt;
  return static_cast<double>(sullaLinea() - base.byte) * 1000.0 / static_cast<double>(adesso - base.ms);
}

std::optional<qint64> AndamentoInvio::secondiRimasti() const {
  const qint64 restano = totale_ - inviati();
  const std::optional<double> velocita = byteAlSecondo();
  if (restano <= 0 || !velocita || *velocita <= 0) return std::nullopt;
  return static_cast<qint64>(std::ceil(static_cast<double>(restano) / *velocita));
}

bool AndamentoInvio::DaMostrare() {
  const qint64 adesso = orologio_();
  if (adesso - ultimaMostra_ < kIntervalloMs) return false;
  ultimaMostra_ = adesso;
  return true;
}

QString AndamentoInvio::testoFinale() const {
  return QStringLiteral("Inviati %1 di %2").arg(TestoByte(inviati()), TestoByte(totale_));
}

QString AndamentoInvio::testo() const {
  QString riga = testoFinale();
  const std::optional<double> velocita = byteAlSecondo();
  if (!velocita) return riga;
  riga += QStringLiteral(" · %1/s").arg(TestoByte(qRound64(*velocita)));
  if (const auto secondi = secondiRimasti()) riga += QStringLiteral(" · ") + TestoTempoRimasto(*secondi);
  return riga;
}
