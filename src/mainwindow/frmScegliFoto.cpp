// The main window's parts and the commands wired to its controls.
#include "mainwindow/frmScegliFoto.h"

#include <QAction>
#include <QComboBox>
#include <QKeySequence>
#include <QShortcut>
#include <QToolBar>
#include <functional>
#include <utility>

#include "mainwindow/CampoNumeroFoto.h"
#include "mainwindow/GuidaInLinea.h"
#include "thumbview/ctrFotoView.h"
#include "windows/AlberoCartelle.h"
#include "windows/PannelloSfumato.h"
#include "windows/frmDatiUtente.h"
#include "windows/frmSplash.h"

namespace {

// Attaches the commands of one toolbar to its buttons, by key.
struct ComandiBarra {
  const QToolBar* barra;
  QObject* contesto;
  void operator()(const char* chiave, std::function<void()> comando) const {
    ControlliScegliFoto::Collega(barra, QString::fromLatin1(chiave), contesto, std::move(comando));
  }
};

}  // namespace

frmScegliFoto::frmScegliFoto(const PercorsiProgramma& percorsi, const DatiServer& server, OrdineVelistra& ordine,
                             QWidget* genitore)
    : QWidget(genitore),
      percorsi_(percorsi),
      server_(server),
      ordine_(ordine),
      selettori_(ordine_.catalogo()),
      controlli_(*this, percorsi_, selettori_),
      cornice_(*this, controlli_.pbAvanzamento,
               [this](bool valore, bool alberoUsabile, bool dietroFinestraModale) {
                 controlli_.Abilita(valore, alberoUsabile, dietroFinestraModale);
               }),
      ricarica_(*this, controlli_, cornice_, ordine_),
      comandi_(*this, ordine_, selettori_, controlli_, cornice_, ricarica_) {
  setObjectName(QStringLiteral("frmScegliFoto"));
  setWindowTitle(QStringLiteral("Velistra"));
  setAccessibleName(QStringLiteral("Velistra"));
  connect(&ricarica_, &RicaricaViste::vistaCartellaCaricata, this, &frmScegliFoto::vistaCartellaCaricata);
  connect(&ricarica_, &RicaricaViste::vistaFormatoCaricata, this, &frmScegliFoto::vistaFormatoCaricata);
  CollegaComandi();
}

frmScegliFoto::~frmScegliFoto() = default;

void frmScegliFoto::CollegaComandi() {
  CollegaCartella();
  CollegaFormato();
  CollegaOperazioni();
  connect(controlli_.pannelloCosto, &PannelloSfumato::cliccato, this, &frmScegliFoto::MostraDettaglioPrezzo);
  connect(controlli_.ftvFile, &AlberoCartelle::cartellaCambiata, this, [this] {
    if (FinestraAttivata_) ricarica_.Cartella(true);
  });
  connect(&selettori_, &SelettoriFormato::ricaricaVistaFormato, this, [this] { ricarica_.Formato(); });
  CollegaQualitaStampa();
  auto* guida = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(guida, &QShortcut::activated, this, [this] { ApriGuidaInLinea(percorsi_, this); });
  connect(&ordine_, &OrdineVelistra::importoCambiato, this,
          [this](const QString& importo) { controlli_.MostraImporto(importo); });
  connect(&ordine_, &OrdineVelistra::vociCambiate, this,
          [this](const QString& formato, int voci, int totali) { controlli_.MostraVoci(formato, voci, totali); });
  connect(&ordine_, &OrdineVelistra::albumNuovo, this, [this] { controlli_.MostraAlbumNuovo(); });
  connect(&ordine_, &OrdineVelistra::salvato, this,
          [this](EsitoSalvataggio esito) { AvvisaSalvataggio(esito, percorsi_, this); });
}

void frmScegliFoto::DopoISalvataggi(const std::function<void()>& poi) {
  if (!ordine_.SalvataggioInCorso()) return poi();
  cornice_.Inizia();
  connect(
      &ordine_, &OrdineVelistra::salvataggiFiniti, this,
      [this, poi] {
        cornice_.Finisci();
        poi();
      },
      Qt::SingleShotConnection);
}

void frmScegliFoto::CollegaCartella() {
  const ComandiBarra collega{controlli_.tbCartella, this};
  ctrFotoView* vista = controlli_.fvFotoCartella;
  collega("CopiaIn", [this] { cornice_.Lunga([this] { comandi_.CopiaInFormato(); }); });
  collega("Annulla", [this] { cornice_.Annulla(); });
  collega("SelezionaTutto", [this, vista] { cornice_.Lunga([vista] { vista->Spunte().CheckaTutto(true); }); });
  collega("DeSelezionaTutto", [this, vista] { cornice_.Lunga([vista] { vista->Spunte().CheckaTutto(false); }); });
  collega("Aggiorna", [this] { cornice_.ConPuntatoreOccupato([this] { ricarica_.Cartella(FinestraAttivata_); }); });
  collega("Utente", [this] {
    frmDatiUtente finestra(percorsi_, this);
    MostraFinestraModale(finestra);
  });
  collega("Guida", [this] { ApriGuidaInLinea(percorsi_, this); });
  collega("Info", [this] {
    frmSplash finestra(percorsi_, this);
    MostraFinestraModale(finestra);
  });
}

void frmScegliFoto::CollegaFormato() {
  const ComandiBarra collega{controlli_.tbGruppo, this};
  const auto occupato = [this](std::function<void()> comando) {
    return [this, comando = std::move(comando)] { cornice_.ConPuntatoreOccupato(comando); };
  };
  ctrFotoView* vista = controlli_.fvFotoFormato;
  collega("Filtro", [this] { ricarica_.Formato(); });
  collega("Nuovo", occupato([this] { comandi_.ChiediNuovoVelistra(); }));
  collega("Annulla", [this] { cornice_.Annulla(); });
  collega("Cancella", occupato([this] { comandi_.CancellaSelezionate(); }));
  collega("SelezionaTutto", occupato([vista] { vista->Spunte().CheckaTutto(true); }));
  collega("DeSelezionaTutto", occupato([vista] { vista->Spunte().CheckaTutto(false); }));
  collega("Aggiorna", occupato([this] { ricarica_.Formato(); }));
  collega("ScaricaPrezziario", occupato([this] { ScaricaPrezziario(); }));
  collega("DettaglioPrezzo", [this] { MostraDettaglioPrezzo(); });
  collega("Storico", [this] { ApriStoricoOrdini(); });
}

void frmScegliFoto::CollegaOperazioni() {
  const ComandiBarra collega{controlli_.tbOperazioni, this};
  collega("CopiaIn", [this] { cornice_.Lunga([this] { comandi_.CopiaTraFormati(); }); });
  collega("SpostaIn", [this] { cornice_.Lunga([this] { comandi_.SpostaTraFormati(); }); });
  collega("NumFoto", [this] {
    std::int16_t numero = 0;
    if (controlli_.txtNumFoto->NumeroValido(numero))
      cornice_.Lunga([this, numero] { comandi_.ImpostaNumeroFoto(numero); });
  });
  collega("Ridimensiona", [this] {
    const QString codice = QString::number(controlli_.cmbRidimensiona->currentData().toInt());
    cornice_.Lunga([this, codice] { comandi_.ImpostaRidimensionamento(codice); });
  });
  collega("C8", [this] { cornice_.Lunga([this] { CreaCartellaOrdine(); }); });
  collega("FTP", [this] { ApriInvio(); });
}

void frmScegliFoto::resizeEvent(QResizeEvent* evento) {
  QWidget::resizeEvent(evento);
  controlli_.Disponi();
}
