#include "thumbview/ElencoAnticipato.h"

#include <QDir>

#include "common/Percorsi.h"
#include "immagini/EstensioniFoto.h"

namespace {
const QString kSeparatore = QStringLiteral("/");

QStringList FotoDellaCartella(const QString& cartella) {
  return QDir(cartella).entryList(FiltriNomiFoto(), QDir::Files, QDir::Name | QDir::IgnoreCase);
}
}  // namespace

QStringList ElencoAnticipato::Seguenti(const QString& percorso, int posti) {
  if (posti <= 0) return {};
  const QString cartella = TestoFinoAUltimo(percorso, kSeparatore);
  if (cartella.isEmpty()) return {};
  if (cartella != cartella_) {
    cartella_ = cartella;
    elenco_.clear();
    elencazione_.Avvia<QStringList>(
        contesto_, [cartella] { return FotoDellaCartella(cartella); },
        [this](QStringList elenco) { elenco_ = std::move(elenco); });
    return {};
  }
  const qsizetype posizione = elenco_.indexOf(TestoDopoUltimo(percorso, kSeparatore));
  if (posizione < 0) return {};
  QStringList seguenti;
  for (qsizetype k = posizione + 1; k < elenco_.size() && k <= posizione + posti; ++k)
    seguenti.append(cartella + elenco_[k]);
  return seguenti;
}

void ElencoAnticipato::Imposta(const QString& cartella, const QStringList& nomi) {
  elencazione_.Annulla();
  cartella_ = cartella;
  elenco_ = nomi;
}

void ElencoAnticipato::Dimentica() {
  elencazione_.Annulla();
  cartella_.clear();
  elenco_.clear();
}
