#pragma once
#include <functional>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "mainwindow/frmScegliFoto.h"
#include "windows/AlberoCartelle.h"
#include "settings/DatiImpostazioni.h"
#include "settings/Impostazioni.h"
#include "support/Attesa.h"
#include "support/CartellaProgrammaProva.h"
#include "support/PiattaformaFinta.h"

// The order a test window is handed, built before the window as the program builds it.
struct OrdineDellaFinestra {
  explicit OrdineDellaFinestra(const PercorsiProgramma& percorsi) : ordineProva(percorsi) {}
  OrdineVelistra ordineProva;
};

// The main window with its modal windows recorded and closed at once, as a
// user closing them without typing would.
class FinestraProva : private OrdineDellaFinestra, public frmScegliFoto {
 public:
  QStringList finestreModali;
  // When set, it plays the user of the modal window instead of closing it.
  std::function<void(QDialog&)> allaFinestraModale;

  FinestraProva(const PercorsiProgramma& percorsi, const DatiServer& server)
      : OrdineDellaFinestra(percorsi), frmScegliFoto(percorsi, server, ordineProva) {}
  // A worker still running would call into a window that is gone.
  ~FinestraProva() override { Attendi(); }

  // Lets the operation under way, if any, run to its end.
  void Attendi() {
    AttendiFinche([this] { return !OperazioneInCorso(); });
  }
  // Clicks a toolbar button and lets the operation it started run to its end.
  void Premi(const QToolBar* barra, const QString& chiave) {
    Pulsante(barra, chiave)->trigger();
    Attendi();
  }
  // The first activation, with the views filled.
  void Attiva() {
    EseguiPrimaAttivazione();
    AttendiFinche([this] { return FinestraAttivata() && !OperazioneInCorso(); });
  }
  // Chooses a folder in the tree and waits until its photos are shown.
  bool Sfoglia(const QString& cartella) {
    const bool scelta = Controlli().ftvFile->ImpostaCartella(cartella);
    Attendi();
    return scelta;
  }
  // Checks the photos of the folder shown at these places, or all of them, and
  // copies them into the format.
  void CopiaNelFormato(const QString& formato, const QList<int>& indici = {});

 protected:
  void EseguiFinestraModale(QDialog& finestra) override {
    finestreModali.append(QString::fromLatin1(finestra.metaObject()->className()));
    if (allaFinestraModale) allaFinestraModale(finestra);
    finestra.done(QDialog::Rejected);
  }
};

// Plays the customer at the send window: types the user and the password and
// presses the commands, each one run to its end.
void UsaFinestraInvio(QDialog& dialogo, const QString& utente, const QString& password, const QStringList& comandi);

// The texts of a list, in order.
QStringList VociLista(const QComboBox* lista);

// Writes photos of different kinds and sizes; the paths in name order.
QStringList ScriviFotoProva(const QString& cartella, const QStringList& nomi);
// The same seven times larger (1120 x 840, 630 x 1120): sharp on 10 x 15 cm, so
// nothing asks about the print quality.
QStringList ScriviFotoDaStampa(const QString& cartella, const QStringList& nomi);

// A temporary program folder with the control library beside the program,
// the settings of an installed program and a folder of photos.
class AmbienteFinestra {
 public:
  // The program folder inside another one when named.
  explicit AmbienteFinestra(const QString& dentro = {});

  CartellaProgrammaProva programma;
  DatiServer server;
  PiattaformaFinta piattaforma;
  QTemporaryDir foto;

  PercorsiProgramma percorsi() const { return programma.percorsi(); }
  Impostazioni impostazioni() const { return Impostazioni(percorsi()); }
  void ImpostaOpzione(const QString& chiave, const QString& valore) const;
  void ImpostaDimensione(const QString& chiave, const QString& valore) const;
  QString Opzione(const QString& chiave) const;
  QString Dimensione(const QString& chiave) const;
  // The settings of a customer who already entered the data and saw the notice.
  void ClienteAbituale() const;

  // A loaded and shown window of a normal size.
  std::unique_ptr<FinestraProva> NuovaFinestra() const;
  // A habitual customer's window, activated and showing the folder of photos.
  std::unique_ptr<FinestraProva> FinestraSulleFoto() const;
};
