#include "mainwindow/ComandiAlbum.h"

#include <memory>

#include "album/SelettoriFormato.h"
#include "album/TabellaRidimensionamento.h"
#include "mainwindow/CicloOperazione.h"
#include "mainwindow/ControlliScegliFoto.h"
#include "mainwindow/CorniceOperazioni.h"
#include "mainwindow/Messaggi.h"
#include "mainwindow/RicaricaViste.h"
#include "ordine/OrdineVelistra.h"
#include "thumbview/ctrFotoView.h"

namespace {

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

ComandiAlbum::ComandiAlbum(QWidget& finestra, OrdineVelistra& ordine,
                           SelettoriFormato& selettori, ControlliScegliFoto& controlli, CorniceOperazioni& cornice,
                           RicaricaViste& ricarica)
    : finestra_(finestra), ordine_(ordine), selettori_(selettori), controlli_(controlli),
      cornice_(cornice), ricarica_(ricarica) {}

void ComandiAlbum::MostraCopia(const PassoOperazione& passo) {
  if (passo.copia.isEmpty()) return;
  if (controlli_.fvFotoFormato->AggiungiThumbs(passo.copia, true, passo.titolo, 1, passo.formato,
                                               DescrizioneRidimensionamento(ChiaveRidimensionamento(0))))
    controlli_.MostraConteggio(passo.foto, passo.fotoTotali);
}

void ComandiAlbum::DopoLaVistaFormato(std::function<void()> avviso) {
  connect(&ricarica_, &RicaricaViste::vistaFormatoCaricata, this, std::move(avviso), Qt::SingleShotConnection);
}

void ComandiAlbum::CopiaInFormato() {
  const QList<FotoSelezionata> selezione = controlli_.fvFotoCartella->Spunte().ElencoFotoSelezionate();
  if (selezione.isEmpty()) return AvvisaNessunaSelezione(&finestra_);
  const QString formato = selettori_.Copia().formato();
  if (formato.isEmpty()) return AvvisaNessunFormatoScelto(&finestra_);
  const std::shared_ptr<OperazioneCopia> copia = ordine_.CopiaNelFormato(formato, DaCopiare(selezione));
  CicloOperazione* ciclo = cornice_.NuovoCiclo(copia, DomandaInterruzioneCopia());
  if (formato == selettori_.Foto().formato() || !controlli_.FiltroPremuto())
    connect(ciclo, &CicloOperazione::passoFatto, this, &ComandiAlbum::MostraCopia);
  connect(ciclo, &CicloOperazione::finito, this, [this, copia, formato] {
    const RisultatoOperazione risultato = copia->Concludi();
    controlli_.fvFotoFormato->DisegnaThumbTutto();
    const bool fallita = AvvisaEsito(risultato, &finestra_);
    const auto eseguita = [this, formato, fatte = risultato.fatte] {
      AvvisaCopiaEseguita(formato, fatte, &finestra_);
    };
    // The filter follows the copy's format; the message comes once the view shows it.
    if (selettori_.Foto().formato() == formato) {
      if (!fallita) eseguita();
    } else {
      if (!fallita) DopoLaVistaFormato(eseguita);
      FiltraSulFormato(formato);
    }
    cornice_.Finisci();
  });
  ciclo->Avvia();
}

void ComandiAlbum::FiltraSulFormato(const QString& formato) {
  selettori_.ImpostaFormatiCaricati(false);
  selettori_.Foto().ImpostaAmatoriale(selettori_.Copia().amatoriale());
  selettori_.Foto().ImpostaFormato(formato);
  selettori_.ImpostaFormatiCaricati(true);
  // Reloaded here rather than by the list's change: the refiltered list may
  // already have chosen the format, and then no change would reload the view.
  ricarica_.Formato();
}

void ComandiAlbum::TogliSelezionateDallaVista(bool tutteRiuscite) {
  // When the operation stopped early some checked photos kept their entries:
  // the view is rebuilt from the album rather than losing them all.
  if (tutteRiuscite)
    controlli_.fvFotoFormato->Spunte().CancellaThumbSelezionate();
  else
    ricarica_.Formato();
}

void ComandiAlbum::CopiaTraFormati() {
  const QString origine = selettori_.Foto().formato();
  const QString destinazione = selettori_.Operazioni().formato();
  if (!controlli_.FiltroPremuto()) return AvvisaFiltroNecessario(&finestra_);
  if (destinazione.isEmpty()) return AvvisaNessunFormatoScelto(&finestra_);
  if (origine == destinazione && !ConfermaCopiaNelloStessoFormato(&finestra_)) return;
  const QList<FotoSelezionata> selezione = controlli_.fvFotoFormato->Spunte().ElencoFotoSelezionate();
  if (selezione.isEmpty()) return AvvisaNessunaSelezione(&finestra_);
  const std::shared_ptr<OperazioneCopia> copia = ordine_.CopiaTraFormati(origine, destinazione, DaCopiare(selezione));
  CicloOperazione* ciclo = cornice_.NuovoCiclo(copia, DomandaInterruzioneCopia());
  if (destinazione == origine) connect(ciclo, &CicloOperazione::passoFatto, this, &ComandiAlbum::MostraCopia);
  connect(ciclo, &CicloOperazione::finito, this, [this, copia, destinazione] {
    const RisultatoOperazione risultato = copia->Concludi();
    controlli_.fvFotoFormato->DisegnaThumbTutto();
    const bool fallita = AvvisaEsito(risultato, &finestra_);
    if (!fallita) AvvisaCopiaEseguita(destinazione, risultato.fatte, &finestra_);
    cornice_.Finisci();
  });
  ciclo->Avvia();
}

void ComandiAlbum::SpostaTraFormati() {
  const QString origine = selettori_.Foto().formato();
  const QString destinazione = selettori_.Operazioni().formato();
  if (!controlli_.FiltroPremuto()) return AvvisaFiltroNecessario(&finestra_);
  if (origine == destinazione) return AvvisaSpostamentoNelloStessoFormato(&finestra_);
  const QList<FotoSelezionata> selezione = controlli_.fvFotoFormato->Spunte().ElencoFotoSelezionate();
  if (selezione.isEmpty()) return AvvisaNessunaSelezione(&finestra_);
  const RisultatoOperazione risultato = ordine_.Sposta(origine, destinazione, Copie(selezione));
  controlli_.MostraConteggio(risultato.fatte, static_cast<int>(selezione.size()));
  const bool fallita = AvvisaEsito(risultato, &finestra_);
  TogliSelezionateDallaVista(!fallita);
  if (!fallita) AvvisaSpostamentoEseguito(destinazione, &finestra_);
}

void ComandiAlbum::CancellaSelezionate() {
  if (!ConfermaCancellazione(&finestra_)) return;
  const QList<FotoSelezionata> selezione = controlli_.fvFotoFormato->Spunte().ElencoFotoSelezionate();
  if (selezione.isEmpty()) return AvvisaNessunaSelezione(&finestra_);
  const RisultatoOperazione risultato = ordine_.Cancella(controlli_.FormatoVista(), Copie(selezione));
  const bool fallita = AvvisaEsito(risultato, &finestra_);
  // After a partial removal the message waits for the view rebuilt from the album.
  if (fallita) DopoLaVistaFormato([this] { AvvisaCancellazioneEseguita(&finestra_); });
  TogliSelezionateDallaVista(!fallita);
  if (!fallita) AvvisaCancellazioneEseguita(&finestra_);
}

void ComandiAlbum::ImpostaNumeroFoto(std::int16_t numero) {
  const QList<FotoSelezionata> selezione = controlli_.fvFotoFormato->Spunte().ElencoFotoSelezionate();
  if (selezione.isEmpty()) return AvvisaNessunaSelezione(&finestra_);
  const RisultatoOperazione risultato = ordine_.ImpostaQuantita(controlli_.FormatoVista(), Copie(selezione), numero);
  const bool fallita = AvvisaEsito(risultato, &finestra_);
  if (fallita)
    ricarica_.Formato();
  else
    controlli_.fvFotoFormato->Spunte().ImpostaNumeroFotoThumbSelezionate(numero);
}

void ComandiAlbum::ImpostaRidimensionamento(const QString& codice) {
  const QString chiave = ChiaveRidimensionamento(static_cast<std::int16_t>(codice.toInt()));
  if (chiave.isEmpty()) return;
  const QList<FotoSelezionata> selezione = controlli_.fvFotoFormato->Spunte().ElencoFotoSelezionate();
  if (selezione.isEmpty()) return AvvisaNessunaSelezione(&finestra_);
  const RisultatoOperazione risultato =
      ordine_.ImpostaRidimensionamento(controlli_.FormatoVista(), Copie(selezione), chiave);
  const bool fallita = AvvisaEsito(risultato, &finestra_);
  if (fallita)
    ricarica_.Formato();
  else
    controlli_.fvFotoFormato->Spunte().ImpostaRidimensionamentoThumbSelezionate(DescrizioneRidimensionamento(chiave));
}

bool ComandiAlbum::NessunInvioInSospeso() {
  if (!ordine_.FTPInCorso()) return true;
  AvvisaInvioInSospeso(&finestra_);
  return false;
}

void ComandiAlbum::ChiediNuovoVelistra() {
  if (NessunInvioInSospeso() && ConfermaNuovoVelistra(&finestra_)) ordine_.CreaNuovoVelistra();
}

void ComandiAlbum::RipetiOrdine(const OrdineStorico& ordine) {
  if (!NessunInvioInSospeso()) return;
  if (ordine_.NumeroVoci({}) > 0 && !ConfermaSostituzioneVelistra(&finestra_)) return;
  ordine_.CreaNuovoVelistra();
  const std::shared_ptr<OperazioneCopia> ripetizione = ordine_.RipetiOrdine(ordine);
  CicloOperazione* ciclo = cornice_.NuovoCiclo(ripetizione, DomandaInterruzioneCopia());
  connect(ciclo, &CicloOperazione::finito, this, [this, ripetizione] {
    const RisultatoOperazione risultato = ripetizione->Concludi();
    DopoLaVistaFormato([this, risultato] {
      AvvisaEsito(risultato, &finestra_);
      AvvisaFotoNonAggiunte(risultato, &finestra_);
    });
    ricarica_.Formato();
    cornice_.Finisci();
  });
  ciclo->Avvia();
}
