#pragma once
#include "windows/Piattaforma.h"

// The desktop's dialogs: QMessageBox, our folder chooser, QDesktopServices, the window cursor.
class PiattaformaDesktop final : public Piattaforma {
 public:
  RispostaMessaggio MostraMessaggio(QWidget* proprietario, const QString& testo,
                                    IconaMessaggio icona, PulsantiMessaggio pulsanti,
                                    RispostaMessaggio predefinita) override;
  QString SfogliaCartella(QWidget* proprietario, const QString& titolo,
                          bool consentiDigitazione) override;
  void ApriDocumento(QWidget* proprietario, const QString& documento) override;
  void ImpostaPuntatoreOccupato(QWidget* finestra, bool occupato) override;
};
