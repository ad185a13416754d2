#pragma once
#include <QString>

class QWidget;

// The platform's dialogs and pointer, behind one small interface so that tests
// can script every answer and see every message.

enum class IconaMessaggio { Nessuna, Informazione, Esclamazione, Critica, Domanda };
// SiNoTutte: "Sì", "No", "Sì a tutte", "No a tutte", for a question asked
// once per photo of a loop.
enum class PulsantiMessaggio { OK, OKAnnulla, SiNo, SiNoAnnulla, SiNoTutte };
enum class RispostaMessaggio { OK, Annulla, Si, No, SiATutte, NoATutte };

class Piattaforma {
 public:
  virtual ~Piattaforma() = default;

  // A message box titled "Velistra"; returns the button chosen.
  virtual RispostaMessaggio MostraMessaggio(QWidget* proprietario, const QString& testo,
                                            IconaMessaggio icona, PulsantiMessaggio pulsanti,
                                            RispostaMessaggio predefinita) = 0;
  // The folder chooser; empty when the user cancels.
  virtual QString SfogliaCartella(QWidget* proprietario, const QString& titolo,
                                  bool consentiDigitazione) = 0;
  // Opens a file or an address with the desktop's default handler; failures are ignored.
  virtual void ApriDocumento(QWidget* proprietario, const QString& documento) = 0;
  // Shows or removes the busy pointer over a window.
  virtual void ImpostaPuntatoreOccupato(QWidget* finestra, bool occupato) = 0;
};

// The platform in use: the desktop's own unless a test installed another.
Piattaforma& piattaforma();
// The desktop's platform (not owned), installed once by Main. Only the window
// layers see this header: a layer below cannot open a dialog.
void ImpostaPiattaformaPredefinita(Piattaforma* desktop);
// Installs a platform (not owned); nullptr restores the desktop's.
void ImpostaPiattaforma(Piattaforma* altra);

// The message box most callers want: the default button is the first one
// (OK or Sì) unless another is named.
// Callable from a worker thread: the box is shown by the GUI thread.
RispostaMessaggio MsgBox(const QString& testo, IconaMessaggio icona = IconaMessaggio::Informazione,
                         PulsantiMessaggio pulsanti = PulsantiMessaggio::OK,
                         QWidget* proprietario = nullptr);
RispostaMessaggio MsgBox(const QString& testo, IconaMessaggio icona, PulsantiMessaggio pulsanti,
                         RispostaMessaggio predefinita, QWidget* proprietario = nullptr);
