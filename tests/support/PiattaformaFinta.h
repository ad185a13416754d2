#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <deque>
#include <functional>

#include "windows/Piattaforma.h"

// A scripted platform: records every message box, folder choice, opened
// document and busy pointer, and answers from queues. Installed for its lifetime.
class PiattaformaFinta final : public Piattaforma {
 public:
  struct Messaggio {
    QString testo;
    IconaMessaggio icona;
    PulsantiMessaggio pulsanti;
    RispostaMessaggio predefinita;
  };

  PiattaformaFinta();
  ~PiattaformaFinta() override;

  // Answers for the next message boxes; without one a box answers its default.
  void Rispondi(RispostaMessaggio risposta) { risposte_.push_back(risposta); }
  // Folders for the next folder choosers; without one the chooser is cancelled.
  void ScegliCartella(const QString& cartella) { cartelle_.push_back(cartella); }
  // Runs while a message box is up (for example to check the window state then).
  void AlMessaggio(std::function<void(const Messaggio&)> azione) { alMessaggio_ = std::move(azione); }

  const QList<Messaggio>& messaggi() const { return messaggi_; }
  QStringList testi() const;
  const QStringList& documentiAperti() const { return documenti_; }
  const QStringList& titoliCartella() const { return titoliCartella_; }
  int puntatoriOccupati() const { return occupati_; }
  int puntatoriMassimi() const { return massimi_; }
  void Azzera();

  RispostaMessaggio MostraMessaggio(QWidget* proprietario, const QString& testo,
                                    IconaMessaggio icona, PulsantiMessaggio pulsanti,
                                    RispostaMessaggio predefinita) override;
  QString SfogliaCartella(QWidget* proprietario, const QString& titolo,
                          bool consentiDigitazione) override;
  void ApriDocumento(QWidget* proprietario, const QString& documento) override;
  void ImpostaPuntatoreOccupato(QWidget* finestra, bool occupato) override;

 private:
  QList<Messaggio> messaggi_;
  std::deque<RispostaMessaggio> risposte_;
  std::deque<QString> cartelle_;
  std::function<void(const Messaggio&)> alMessaggio_;
  QStringList documenti_;
  QStringList titoliCartella_;
  int occupati_ = 0;
  int massimi_ = 0;
};
