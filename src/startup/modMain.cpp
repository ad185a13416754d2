#include "startup/modMain.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>

#include "common/Percorsi.h"
#include "common/Piattaforma.h"
#include "common/ScritturaAtomica.h"
#include "startup/AperturaFinestre.h"
#include "startup/IstanzaUnica.h"
#include "startup/ValoriProgramma.h"

namespace {

constexpr int kLarghezzaMinima = 1024;

IstanzaUnica& Istanza() {
  static IstanzaUnica istanza;
  return istanza;
}

}  // namespace

AmbienteAvvio AmbienteDesktop() {
  AmbienteAvvio ambiente;
  ambiente.cartellaProgramma = QCoreApplication::applicationDirPath();
  ambiente.larghezzaSchermo = [] {
    const QScreen* schermo = QGuiApplication::primaryScreen();
    return schermo ? schermo->size().width() : 0;
  };
  return ambiente;
}

bool Main(const AmbienteAvvio& ambiente) {
  // Only the width is compared, although the message names the height too.
  if (ambiente.larghezzaSchermo() < kLarghezzaMinima) {
    MsgBox(QStringLiteral("La risoluzione minima richiesta è 1024x768."),
           IconaMessaggio::Informazione);
    return false;
  }
  ImpostaCartellaProgramma(ambiente.cartellaProgramma);
  // One instance per program folder.
  if (!Istanza().Acquisisci(Programma().PercorsoProgramma + QStringLiteral("Velistra.lock"))) {
    MsgBox(QStringLiteral("Un'istanza del programma è già attiva.\n"
                          "Scegliere l'icona corrispondente dalla barra delle applicazioni."),
           IconaMessaggio::Esclamazione);
    return false;
  }
  // What saves interrupted by a crash left beside the files; only now, so that
  // a second start can never remove a write of the running instance. The album
  // clears its own when it loads.
  const ValoriProgramma& v = Programma();
  for (const QString& file : {v.PercorsoIni, v.PercorsoIniFTP, v.PercorsoProgramma + QStringLiteral("Formati.xml")})
    RimuoviAvanziScritturaAtomica(file);
  // The file paths are fixed with the program folder; the connection values are read once.
  LeggiDatiFTP();
  // One directory level; failures (above all: it exists) are ignored.
  QDir().mkdir(Programma().CartellaLavoro);
  // The settings file is installed beside the program, never created.
  if (!FileEsiste(Programma().PercorsoIni)) {
    MsgBox(QStringLiteral("File di configurazione non trovato."), IconaMessaggio::Critica);
    FineProgramma();
    return false;
  }
  return ApriFinestreIniziali();
}

void FineProgramma() { Istanza().Rilascia(); }
