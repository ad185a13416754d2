#pragma once
#include "settings/PercorsiProgramma.h"

// Whether a send of the album to the lab is under way. Kept in the settings,
// so that the next start resumes the send; this is its only reader and writer.
class MarcaInvio {
 public:
  explicit MarcaInvio(const PercorsiProgramma& percorsi) : percorsi_(percorsi) {}

  bool InCorso() const { return inCorso_; }
  void Leggi();
  // Holds the new value whatever happens; false when the settings kept the old one.
  bool Imposta(bool inCorso);

 private:
  PercorsiProgramma percorsi_;
  bool inCorso_ = false;
};
