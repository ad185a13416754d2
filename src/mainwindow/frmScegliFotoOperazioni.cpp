// The commands on the photos of the folder and of the album: each is one
// operation of the order, its result told through the messages' mapping.
#include <memory>

#include "album/TabellaRidimensionamento.h"
#include "common/NumeriCliente.h"
#include "mainwindow/CicloOperazione.h"
#include "mainwindow/Messaggi.h"
#include "mainwindow/frmScegliFoto.h"
#include "mainwindow/frmStoricoOrdini.h"
#include "thumbview/ctrFotoView.h"
#include "windows/PannelloSfumato.h"

namespace {

const QColor kSfumaturaSinistra = ColoreBGR(0xC0C000);
const QColor kSfumaturaDestra = ColoreBGR(0xFFFFC0);

QList<FotoDaCopiare> DaCopiare(const QList<FotoSelezionata>& selezione) {
  QList<FotoDaCopiare> foto;
  for (const FotoSelezionata& una : selezione) foto.append({una.NomeCompleto, una.Titolo, {}, 1, {}});
  return foto;
}

QStringList Copie(const QList<FotoSelezionata>& selezione) {
  QStringList copie;
  for (const FotoSelezionata& una : selezione) copie.append(una.NomeCompleto);
  return copie;
}

}  // namespace

void frmScegliFoto::MostraConteggio(int k, int n) {
  pnlConteggio_->Disegna(QStringLiteral("Foto: %1/%2").arg(TestoIntero(k), TestoIntero(n)), kSfumaturaSinistra,
                         kSfumaturaDestra);
}

void frmScegliFoto::MostraImporto(const QString& importoEuro) {
  pnlCosto_->Disegna(importoEuro, kSfumaturaSinistra, kSfumaturaDestra);
}

void frmScegliFoto::MostraNumeroFoto(QWidget* separatore, int numero) {
  if (separatore) separatore->setProperty("Caption", QStringLiteral("Fotografie: ") + TestoIntero(numero));
}

void frmScegliFoto::MostraVoci(const QString& formato, int voci, int vociTotali) {
  const QString vista = FormatoVista();
  if (vista.isEmpty())
    MostraNumeroFoto(sepNumFotoFormato_, vociTotali);
  else if (vista == formato)
    MostraNumeroFoto(sepNumFotoFormato_, voci);
}

void frmScegliFoto::MostraCopia(const PassoOperazione& passo) {
  if (passo.copia.isEmpty()) return;
  if (fvFotoFormato_->AggiungiThumbs(passo.copia, true, passo.titolo, 1, passo.formato,
                                     DescrizioneRidimensionamento(ChiaveRidimensionamento(0))))
    MostraConteggio(passo.foto, passo.fotoTotali);
}

QString frmScegliFoto::FormatoVista() { return FiltroPremuto() ? selettori_.Foto().formato() : QString(); }

CicloOperazione* frmScegliFoto::NuovoCiclo(std::shared_ptr<OperazioneAPassi> operazione,
                                           const DomandaMessaggio& interruzione) {
  IniziaOperazione();
  return new CicloOperazione(std::move(operazione), interruzione, pbAvanzamento_, annulla_, this);
}

void frmScegliFoto::DopoLaVistaFormato(std::function<void()> avviso) {
  connect(this, &frmScegliFoto::vistaFormatoCaricata, this, std::move(avviso), Qt::SingleShotConnection);
}

void frmScegliFoto::CopiaInFormato() {
  const QList<FotoSelezionata> selezione = fvFotoCartella_->ElencoFotoSelezionate();
  if (selezione.isEmpty()) return AvvisaNessunaSelezione(this);
  const QString formato = selettori_.Copia().formato();
  if (formato.isEmpty()) return AvvisaNessunFormatoScelto(this);
  const std::shared_ptr<OperazioneCopia> copia = ordine_.CopiaNelFormato(formato, DaCopiare(selezione));
  CicloOperazione* ciclo = NuovoCiclo(copia, DomandaInterruzioneCopia());
  if (formato == selettori_.Foto().formato() || !FiltroPremuto())
    connect(ciclo, &CicloOperazione::passoFatto, this, &frmScegliFoto::MostraCopia);
  connect(ciclo, &CicloOperazione::finito, this, [this, copia, formato] {
    const RisultatoOperazione risultato = copia->Concludi();
    fvFotoFormato_->DisegnaThumbTutto();
    const bool fallita = AvvisaEsito(risultato, this);
    AvvisaSalvataggio(risultato.salvataggio, percorsi_, this);
    const auto eseguita = [this, formato, fatte = risultato.fatte] { AvvisaCopiaEseguita(formato, fatte, this); };
    // The filter follows the copy's format; the message comes once the view shows it.
    if (selettori_.Foto().formato() == formato) {
      if (!fallita) eseguita();
    } else {
      if (!fallita) DopoLaVistaFormato(eseguita);
      FiltraSulFormato(formato);
    }
    FinisciOperazione();
  });
  ciclo->Avvia();
}

void frmScegliFoto::FiltraSulFormato(const QString& formato) {
  selettori_.ImpostaFormatiCaricati(false);
  selettori_.Foto().ImpostaAmatoriale(selettori_.Copia().amatoriale());
  selettori_.Foto().ImpostaFormato(formato);
  selettori_.ImpostaFormatiCaricati(true);
  // Reloaded here rather than by the list's change: the refiltered list may
  // already have chosen the format, and then no change would reload the view.
  RefreshFotoFormato();
}

void frmScegliFoto::TogliSelezionateDallaVista(bool tutteRiuscite) {
  // When the operation stopped early some checked photos kept their entries:
  // the view is rebuilt from the album rather than losing them all.
  if (tutteRiuscite)
    fvFotoFormato_->CancellaThumbSelezionate();
  else
    RefreshFotoFormato();
}

void frmScegliFoto::CopiaTraFormati() {
  const QString origine = selettori_.Foto().formato();
  const QString destinazione = selettori_.Operazioni().formato();
  if (!FiltroPremuto()) return AvvisaFiltroNecessario(this);
  if (destinazione.isEmpty()) return AvvisaNessunFormatoScelto(this);
  if (origine == destinazione && !ConfermaCopiaNelloStessoFormato(this)) return;
  const QList<FotoSelezionata> selezione = fvFotoFormato_->ElencoFotoSelezionate();
  if (selezione.isEmpty()) return AvvisaNessunaSelezione(this);
  const std::shared_ptr<OperazioneCopia> copia = ordine_.CopiaTraFormati(origine, destinazione, DaCopiare(selezione));
  CicloOperazione* ciclo = NuovoCiclo(copia, DomandaInterruzioneCopia());
  if (destinazione == origine) connect(ciclo, &CicloOperazione::passoFatto, this, &frmScegliFoto::MostraCopia);
  connect(ciclo, &CicloOperazione::finito, this, [this, copia, destinazione] {
    const RisultatoOperazione risultato = copia->Concludi();
    fvFotoFormato_->DisegnaThumbTutto();
    const bool fallita = AvvisaEsito(risultato, this);
    AvvisaSalvataggio(risultato.salvataggio, percorsi_, this);
    if (!fallita) AvvisaCopiaEseguita(destinazione, risultato.fatte, this);
    FinisciOperazione();
  });
  ciclo->Avvia();
}

void frmScegliFoto::SpostaTraFormati() {
  const QString origine = selettori_.Foto().formato();
  const QString destinazione = selettori_.Operazioni().formato();
  if (!FiltroPremuto()) return AvvisaFiltroNecessario(this);
  if (origine == destinazione) return AvvisaSpostamentoNelloStessoFormato(this);
  const QList<FotoSelezionata> selezione = fvFotoFormato_->ElencoFotoSelezionate();
  if (selezione.isEmpty()) return AvvisaNessunaSelezione(this);
  const RisultatoOperazione risultato = ordine_.Sposta(origine, destinazione, Copie(selezione));
  MostraConteggio(risultato.fatte, static_cast<int>(selezione.size()));
  const bool fallita = AvvisaEsito(risultato, this);
  AvvisaSalvataggio(risultato.salvataggio, percorsi_, this);
  TogliSelezionateDallaVista(!fallita);
  if (!fallita) AvvisaSpostamentoEseguito(destinazione, this);
}

void frmScegliFoto::CancellaThumbSelezionate() {
  if (!ConfermaCancellazione(this)) return;
  const QList<FotoSelezionata> selezione = fvFotoFormato_->ElencoFotoSelezionate();
  if (selezione.isEmpty()) return AvvisaNessunaSelezione(this);
  const RisultatoOperazione risultato = ordine_.Cancella(FormatoVista(), Copie(selezione));
  const bool fallita = AvvisaEsito(risultato, this);
  AvvisaSalvataggio(risultato.salvataggio, percorsi_, this);
  // After a partial removal the message waits for the view rebuilt from the album.
  if (fallita) DopoLaVistaFormato([this] { AvvisaCancellazioneEseguita(this); });
  TogliSelezionateDallaVista(!fallita);
  if (!fallita) AvvisaCancellazioneEseguita(this);
}

void frmScegliFoto::ImpostaNumeroFoto(std::int16_t numero) {
  const QList<FotoSelezionata> selezione = fvFotoFormato_->ElencoFotoSelezionate();
  if (selezione.isEmpty()) return AvvisaNessunaSelezione(this);
  const RisultatoOperazione risultato = ordine_.ImpostaQuantita(FormatoVista(), Copie(selezione), numero);
  const bool fallita = AvvisaEsito(risultato, this);
  AvvisaSalvataggio(risultato.salvataggio, percorsi_, this);
  if (fallita)
    RefreshFotoFormato();
  else
    fvFotoFormato_->ImpostaNumeroFotoThumbSelezionate(numero);
}

void frmScegliFoto::ImpostaRidimensionamento(const QString& codice) {
  const QString chiave = ChiaveRidimensionamento(static_cast<std::int16_t>(codice.toInt()));
  if (chiave.isEmpty()) return;
  const QList<FotoSelezionata> selezione = fvFotoFormato_->ElencoFotoSelezionate();
  if (selezione.isEmpty()) return AvvisaNessunaSelezione(this);
  const RisultatoOperazione risultato = ordine_.ImpostaRidimensionamento(FormatoVista(), Copie(selezione), chiave);
  const bool fallita = AvvisaEsito(risultato, this);
  AvvisaSalvataggio(risultato.salvataggio, percorsi_, this);
  if (fallita)
    RefreshFotoFormato();
  else
    fvFotoFormato_->ImpostaRidimensionamentoThumbSelezionate(DescrizioneRidimensionamento(chiave));
}

bool frmScegliFoto::NessunInvioInSospeso() {
  if (!ordine_.FTPInCorso()) return true;
  AvvisaInvioInSospeso(this);
  return false;
}

void frmScegliFoto::ChiediNuovoVelistra() {
  if (NessunInvioInSospeso() && ConfermaNuovoVelistra(this)) CreaNuovoVelistra();
}

void frmScegliFoto::CreaNuovoVelistra() { ordine_.CreaNuovoVelistra(); }

void frmScegliFoto::ApriStoricoOrdini() {
  frmStoricoOrdini finestra(StoricoOrdini(percorsi_.PercorsoStorico).Leggi(), this);
  MostraFinestraModale(finestra);
  if (const std::optional<OrdineStorico> ordine = finestra.OrdineDaRipetere()) RipetiOrdine(*ordine);
}

void frmScegliFoto::RipetiOrdine(const OrdineStorico& ordine) {
  if (!NessunInvioInSospeso()) return;
  if (ordine_.NumeroVoci({}) > 0 && !ConfermaSostituzioneVelistra(this)) return;
  CreaNuovoVelistra();
  const std::shared_ptr<OperazioneCopia> ripetizione = ordine_.RipetiOrdine(ordine);
  CicloOperazione* ciclo = NuovoCiclo(ripetizione, DomandaInterruzioneCopia());
  connect(ciclo, &CicloOperazione::finito, this, [this, ripetizione] {
    const RisultatoOperazione risultato = ripetizione->Concludi();
    AvvisaSalvataggio(risultato.salvataggio, percorsi_, this);
    DopoLaVistaFormato([this, risultato] {
      AvvisaEsito(risultato, this);
      AvvisaFotoNonAggiunte(risultato, this);
    });
    RefreshFotoFormato();
    FinisciOperazione();
  });
  ciclo->Avvia();
}
