#include "mainwindow/CicloOperazione.h"

#include <QElapsedTimer>
#include <QProgressBar>
#include <QTimer>
#include <memory>

#include "common/Lavoro.h"

namespace {
// Well inside the 50 ms the GUI thread may be late by.
constexpr qint64 kFettaMs = 10;
}  // namespace

struct CicloOperazione::AFette {
  CicloOperazione ciclo;
  QObject* contesto = nullptr;
  int n = 0;
  int k = 1;
  QString domanda;
  std::function<bool(int k)> passo;
  std::function<void()> fine;
};

CicloOperazione::CicloOperazione(QProgressBar* barra, std::atomic<bool>& continuaOperazione, QWidget* proprietario)
    : barra_(barra), continua_(continuaOperazione), proprietario_(proprietario) {}

void CicloOperazione::ImpostaDomanda(IconaMessaggio icona, RispostaMessaggio predefinita) {
  icona_ = icona;
  predefinita_ = predefinita;
}

void CicloOperazione::ImpostaBarra(int massimo, int valore) {
  SulThreadGrafico([this, massimo, valore] {
    if (massimo >= 0) barra_->setMaximum(massimo);
    barra_->setValue(valore < 0 ? barra_->maximum() : valore);
  });
}

void CicloOperazione::Inizia(int n) {
  // A maximum of 1 would show a full bar before the only photo is done.
  ImpostaBarra(n == 1 ? 2 : n, 0);
  continua_ = true;
}

CicloOperazione::Esito CicloOperazione::Passo(int k, const QString& domandaInterruzione,
                                              const std::function<bool(int k)>& passo) {
  if (!continua_) {
    if (MsgBox(domandaInterruzione, icona_, PulsantiMessaggio::SiNo, predefinita_, proprietario_) ==
        RispostaMessaggio::Si)
      return Esito::Interrotto;
    continua_ = true;
  }
  const bool avanti = passo(k);
  ImpostaBarra(-1, k);
  return avanti ? Esito::Avanti : Esito::Fine;
}

bool CicloOperazione::Esegui(int n, const QString& domandaInterruzione,
                             const std::function<bool(int k)>& passo) {
  Inizia(n);
  for (int k = 1; k <= n; ++k) {
    const Esito esito = Passo(k, domandaInterruzione, passo);
    if (esito == Esito::Interrotto) return false;
    if (esito == Esito::Fine) break;
  }
  ImpostaBarra(-1, -1);
  return true;
}

void CicloOperazione::EseguiAFette(QObject* contesto, int n, const QString& domandaInterruzione,
                                   std::function<bool(int k)> passo, std::function<void()> fine) {
  Inizia(n);
  ProssimaFetta(std::make_shared<AFette>(
      AFette{*this, contesto, n, 1, domandaInterruzione, std::move(passo), std::move(fine)}));
}

void CicloOperazione::ProssimaFetta(const std::shared_ptr<AFette>& fette) {
  QElapsedTimer fetta;
  fetta.start();
  while (fette->k <= fette->n) {
    if (fetta.elapsed() >= kFettaMs) {
      // Posted only once this slice is over: a question open in a step never
      // has another step run beneath it.
      QTimer::singleShot(0, fette->contesto, [fette] { ProssimaFetta(fette); });
      return;
    }
    const Esito esito = fette->ciclo.Passo(fette->k++, fette->domanda, fette->passo);
    if (esito == Esito::Interrotto) return fette->fine();
    if (esito == Esito::Fine) break;
  }
  fette->ciclo.ImpostaBarra(-1, -1);
  fette->fine();
}
