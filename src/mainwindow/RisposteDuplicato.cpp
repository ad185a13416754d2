#include "mainwindow/RisposteDuplicato.h"

#include "windows/Piattaforma.h"

bool RisposteDuplicato::Aggiungere(const QString& titolo, const QString& formato) {
  if (perTutte_) return *perTutte_;
  const RispostaMessaggio risposta =
      MsgBox(QStringLiteral("La fotografia '%1' è già presente nel formato %2. Aggiungerla di nuovo?").arg(titolo, formato),
             IconaMessaggio::Domanda, PulsantiMessaggio::SiNoTutte, proprietario_);
  if (risposta == RispostaMessaggio::SiATutte) perTutte_ = true;
  if (risposta == RispostaMessaggio::NoATutte) perTutte_ = false;
  return risposta == RispostaMessaggio::Si || risposta == RispostaMessaggio::SiATutte;
}
