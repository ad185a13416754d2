#include "startup/modMain.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

#include "common/Percorsi.h"
#include "windows/Piattaforma.h"
#include "common/ScritturaAtomica.h"
#include "controls/KelmoraComponente.h"
#include "ordine/OrdineVelistra.h"
#include "settings/Impostazioni.h"
#include "startup/AperturaFinestre.h"
#include "startup/CartellaDelProgramma.h"
#include "startup/IstanzaUnica.h"
#include "startup/RegistrazioneKelmora.h"

namespace {

constexpr int kLarghezzaMinima = 1024;

IstanzaUnica& Istanza() {
  static IstanzaUnica istanza;
  return istanza;
}

}  // namespace

AmbienteAvvio AmbienteDesktop() {
  AmbienteAvvio ambiente;
  ambiente.cartellaProgramma = [] {
    const QString eseguibile = QCoreApplication::applicationDirPath();
    const auto installato = [&eseguibile](const char* relativo) {
      return QDir::cleanPath(eseguibile + u'/' + QString::fromUtf8(relativo));
    };
    // An installed program finds its shipped files (<prefix>/share/velistra) and
    // its Kelmora library (the private library folder) from its executable's.
    const QString cartella =
        CartellaDelProgramma(eseguibile, installato(VELISTRA_DATI_INSTALLATI),
                             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    // Its per-user folder has no library beside it: the registry must name one,
    // the one beside the executable of a read-only portable folder, else the
    // installed one.
    if (cartella != eseguibile) {
      const QString libreria = QString::fromLatin1(kFileLibreriaKelmora);
      const QString accanto = eseguibile + u'/' + libreria;
      RegistraKelmoraSeManca(QFileInfo::exists(accanto) ? accanto
                                                        : installato(VELISTRA_LIBRERIE_INSTALLATE) + u'/' + libreria);
    }
    return cartella;
  };
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
  const PercorsiProgramma percorsi = PercorsiNellaCartella(ambiente.cartellaProgramma());
  // One instance per program folder.
  if (!Istanza().Acquisisci(percorsi.PercorsoProgramma + QStringLiteral("Velistra.lock"))) {
    MsgBox(QStringLiteral("Un'istanza del programma è già attiva.\n"
                          "Scegliere l'icona corrispondente dalla barra delle applicazioni."),
           IconaMessaggio::Esclamazione);
    return false;
  }
  // What saves interrupted by a crash left beside the files; only now, so that
  // a second start can never remove a write of the running instance. The album
  // clears its own when it loads.
  for (const QString& file : {percorsi.PercorsoIni, percorsi.PercorsoIniFTP, percorsi.PercorsoFormati})
    RimuoviAvanziScritturaAtomica(file);
  // The connection values are read once: a later change is seen at the next start.
  const DatiServer server = Impostazioni(percorsi).LeggiDatiServer();
  // One directory level; failures (above all: it exists) are ignored.
  QDir().mkdir(percorsi.CartellaLavoro);
  // The settings file is installed beside the program, never created.
  if (!FileEsiste(percorsi.PercorsoIni)) {
    MsgBox(QStringLiteral("File di configurazione non trovato."), IconaMessaggio::Critica);
    FineProgramma();
    return false;
  }
  // The order lives on the GUI thread as long as the program; the windows are handed it.
  auto* ordine = new OrdineVelistra(percorsi, QCoreApplication::instance());
  return ApriFinestreIniziali(percorsi, server, *ordine);
}

void FineProgramma() { Istanza().Rilascia(); }
