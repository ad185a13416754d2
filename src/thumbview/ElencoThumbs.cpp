#include "thumbview/ElencoThumbs.h"

#include <algorithm>

#include "common/Percorsi.h"
#include "thumbview/GeometriaThumb.h"

namespace {
const QString kSeparatore = QStringLiteral("/");

bool StessoFile(const DatiThumb& thumb, const QString& percorso) {
  return thumb.Cartella.size() + thumb.NomeFile.size() == percorso.size() &&
         percorso.startsWith(thumb.Cartella) && percorso.endsWith(thumb.NomeFile);
}
}  // namespace

DatiThumb ElencoThumbs::Nuova(const QString& percorso, const QString& titolo, std::int16_t numeroFoto,
                              const QString& formato, const QString& ridimensionamento) {
  DatiThumb thumb;
  thumb.Cartella = TestoFinoAUltimo(percorso, kSeparatore);
  thumb.NomeFile = thumb.Cartella.isEmpty() ? percorso : TestoDopoUltimo(percorso, kSeparatore);
  thumb.NomeFileToolTip = titolo.isEmpty() ? thumb.NomeFile : titolo;
  thumb.NumeroFoto = numeroFoto;
  thumb.FormatoFotografico = formato;
  thumb.Ridimensionamento = ridimensionamento;
  return thumb;
}

bool ElencoThumbs::ImpostaSelezione(int indice, bool selezionata) {
  if (indice < 0 || indice >= Totale()) return false;
  const std::int16_t valore = selezionata ? 1 : 0;
  if (thumbs_[indice].Selezionata == valore) return false;
  thumbs_[indice].Selezionata = valore;
  return true;
}

QList<int> ElencoThumbs::Selezionati() const {
  QList<int> indici;
  for (int i = 0; i < Totale(); ++i)
    if (thumbs_[i].Selezionata == 1) indici.append(i);
  return indici;
}

QList<FotoSelezionata> ElencoThumbs::FotoSelezionate() const {
  QList<FotoSelezionata> elenco;
  for (const int i : Selezionati()) elenco.append({thumbs_[i].PercorsoCompleto(), thumbs_[i].NomeFileToolTip});
  return elenco;
}

bool ElencoThumbs::RimuoviSelezionate() {
  const QList<QPair<int, int>> intervalli = RaggruppaIntervalli(Selezionati());
  // Last run first, so the indices of the runs still to go stay valid.
  for (auto intervallo = intervalli.crbegin(); intervallo != intervalli.crend(); ++intervallo)
    thumbs_.erase(thumbs_.begin() + intervallo->first, thumbs_.begin() + intervallo->second + 1);
  return !intervalli.isEmpty();
}

bool ElencoThumbs::ModificaSelezionate(const std::function<void(DatiThumb&)>& modifica) {
  const QList<int> indici = Selezionati();
  for (const int i : indici) modifica(thumbs_[i]);
  return !indici.isEmpty();
}

int ElencoThumbs::IndiceInPunto(QPoint punto, int prima, int ultima) const {
  for (int i = std::max(0, prima); i <= std::min(Totale() - 1, ultima); ++i) {
    const QRect& area = thumbs_[i].AreaCella;
    if (!area.isEmpty() && area.contains(punto)) return i;
  }
  return -1;
}

QList<int> ElencoThumbs::AssegnaCopia(const QString& percorso, const ImmagineRidotta& copia) {
  QList<int> indici;
  for (int i = 0; i < Totale(); ++i) {
    if (!thumbs_[i].Miniatura.isNull() || !StessoFile(thumbs_[i], percorso)) continue;
    if (copia.stato == kStatoRiuscito) ImpostaCopia(thumbs_[i], copia);
    indici.append(i);
  }
  return indici;
}

void ElencoThumbs::ImpostaCopia(DatiThumb& thumb, ImmagineRidotta copia) {
  const QSize logica = copia.immagine.deviceIndependentSize().toSize();
  thumb.Miniatura = std::move(copia.immagine);
  thumb.MisuraOriginale = copia.originale;
  thumb.LarghezzaMiniatura = logica.width();
  thumb.AltezzaMiniatura = logica.height();
}
