#include "mainwindow/RisposteDuplicato.h"

#include "mainwindow/Messaggi.h"

bool RisposteDuplicato::Aggiungere(const QString& titolo, const QString& formato) {
  if (perTutte_) return *perTutte_;
  const RispostaMessaggio risposta = ChiediDuplicato(titolo, formato, proprietario_);
  if (risposta == RispostaMessaggio::SiATutte) perTutte_ = true;
  if (risposta == RispostaMessaggio::NoATutte) perTutte_ = false;
  return risposta == RispostaMessaggio::Si || risposta == RispostaMessaggio::SiATutte;
}
