#include "support/PiattaformaFinta.h"

PiattaformaFinta::PiattaformaFinta() { ImpostaPiattaforma(this); }
PiattaformaFinta::~PiattaformaFinta() { ImpostaPiattaforma(nullptr); }

QStringList PiattaformaFinta::testi() const {
  QStringList risultato;
  for (const Messaggio& m : messaggi_) risultato.append(m.testo);
  return risultato;
}

void PiattaformaFinta::Azzera() {
  messaggi_.clear();
  risposte_.clear();
  cartelle_.clear();
  documenti_.clear();
  titoliCartella_.clear();
}

RispostaMessaggio PiattaformaFinta::MostraMessaggio(QWidget*, const QString& testo,
                                                    IconaMessaggio icona,
                                                    PulsantiMessaggio pulsanti,
                                                    RispostaMessaggio predefinita) {
  const Messaggio messaggio{testo, icona, pulsanti, predefinita};
  messaggi_.append(messaggio);
  if (alMessaggio_) alMessaggio_(messaggio);
  if (risposte_.empty()) return predefinita;
  const RispostaMessaggio risposta = risposte_.front();
  risposte_.pop_front();
  return risposta;
}

QString PiattaformaFinta::SfogliaCartella(QWidget*, const QString& titolo, bool) {
  titoliCartella_.append(titolo);
  if (cartelle_.empty()) return {};
  const QString cartella = cartelle_.front();
  cartelle_.pop_front();
  return cartella;
}

void PiattaformaFinta::ApriDocumento(QWidget*, const QString& documento) {
  documenti_.append(documento);
}

void PiattaformaFinta::ImpostaPuntatoreOccupato(QWidget*, bool occupato) {
  occupati_ += occupato ? 1 : -1;
  massimi_ = std::max(massimi_, occupati_);
}
