#pragma once
#include <QString>
#include <cstdio>

#include "windows/Piattaforma.h"

// For test drivers run as child processes: every message box is printed as
// "MSG <icon>:<text>" (line breaks as "\n") and answered with its default.
class PiattaformaStampata final : public Piattaforma {
 public:
  RispostaMessaggio MostraMessaggio(QWidget*, const QString& testo, IconaMessaggio icona,
                                    PulsantiMessaggio, RispostaMessaggio predefinita) override {
    QString riga = testo;
    riga.replace(QStringLiteral("\r\n"), QStringLiteral("\\n")).replace(u'\n', QStringLiteral("\\n"));
    std::printf("MSG %d:%s\n", static_cast<int>(icona), riga.toUtf8().constData());
    std::fflush(stdout);
    return predefinita;
  }
  QString SfogliaCartella(QWidget*, const QString&, bool) override { return {}; }
  void ApriDocumento(QWidget*, const QString&) override {}
  void ImpostaPuntatoreOccupato(QWidget*, bool) override {}
};
