#include "album/AlbumVelistra.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <limits>

#include "common/Percorsi.h"
#include "common/ScritturaAtomica.h"
#include "immagini/EstensioniFoto.h"
#include "settings/Impostazioni.h"

QString ChiaveThumb(std::int32_t contatore) {
  return QStringLiteral("imgVE_") + QStringLiteral("%1").arg(contatore, 6, 10, QLatin1Char('0'));
}

AlbumVelistra::AlbumVelistra(const PercorsiProgramma& percorsi) : percorsi_(percorsi) {}

bool AlbumVelistra::CaricaVelistra(const QStringList& formati) {
  const QString& percorso = percorsi_.PercorsoVelistraXML;
  RimuoviAvanziScritturaAtomica(percorso);
  if (!file_.Carica(percorso) && QFileInfo(percorso).size() > 0) MettiDaParteIlleggibile(percorso);
  Indicizza();
  return AllineaVelistraAiFormati(formati) && SalvaVelistra();
}

bool AlbumVelistra::SalvaVelistra() const { return file_.Salva(percorsi_.PercorsoVelistraXML); }

void AlbumVelistra::Indicizza() {
  indice_.Svuota();
  chiavi_.clear();
  for (qsizetype f = 0; f < Formati().size(); ++f) {
    QList<std::uint64_t>& chiavi = chiavi_.emplace_back();
    for (const VoceAlbum& voce : Formati()[f].voci) {
      chiavi.append(prossimaChiave_);
      indice_.Aggiungi(voce.copia, {f, prossimaChiave_++});
    }
  }
}

QList<VoceAlbum> AlbumVelistra::Voci(const QString& formato) const {
  if (formato.isEmpty()) return TutteLeVoci(Formati());
  QList<VoceAlbum> voci;
  for (const FormatoAlbum& f : Formati()) {
    if (f.id != formato) continue;
    // One format, as a rule: its list is shared, not copied.
    if (voci.isEmpty())
      voci = f.voci;
    else
      voci.append(f.voci);
  }
  return voci;
}

int AlbumVelistra::NumeroFile(const QString& formato) const {
  qsizetype n = 0;
  for (const FormatoAlbum& f : Formati())
    if (formato.isEmpty() || f.id == formato) n += f.voci.size();
  return static_cast<int>(n);
}

qsizetype AlbumVelistra::PostoFormato(const QString& formato) const {
  for (qsizetype f = 0; f < Formati().size(); ++f)
    if (Formati()[f].id == formato) return f;
  return -1;
}

std::optional<AlbumVelistra::Posto> AlbumVelistra::Trova(const QString& formato, const QString& copia) const {
  for (const PostoVoce& posto : indice_.Posti(copia)) {
    if (!formato.isEmpty() && Formati()[posto.formato].id != formato) continue;
    const QList<std::uint64_t>& chiavi = chiavi_[posto.formato];
    const auto trovata = std::lower_bound(chiavi.cbegin(), chiavi.cend(), posto.chiave);
    return Posto{posto.formato, trovata - chiavi.cbegin()};
  }
  return std::nullopt;
}

std::optional<VoceTrovata> AlbumVelistra::TrovaFileVelistra(const QString& formato, const QString& copia) const {
  const auto posto = Trova(formato, copia);
  if (!posto) return std::nullopt;
  const FormatoAlbum& contenitore = Formati()[posto->formato];
  return VoceTrovata{contenitore.id, contenitore.voci[posto->voce]};
}

bool AlbumVelistra::AggiungiFileVelistra(const QString& formato, const QString& copia, const QString& titolo,
                                         const QString& ridimensionamento) {
  const qsizetype f = PostoFormato(formato);
  if (f < 0) return false;
  file_.AggiungiVoce(f, {copia, titolo, 1, formato, ridimensionamento});
  chiavi_[f].append(prossimaChiave_);
  indice_.Aggiungi(copia, {f, prossimaChiave_++});
  return true;
}

bool AlbumVelistra::RimuoviFileVelistra(const QString& formato, const QString& copia) {
  const auto posto = Trova(formato, copia);
  if (!posto) return false;
  indice_.Rimuovi(copia, {posto->formato, chiavi_[posto->formato].takeAt(posto->voce)});
  file_.RimuoviVoce(posto->formato, posto->voce);
  return true;
}

bool AlbumVelistra::ImpostaQuantitaFile(const QString& formato, const QString& copia, std::int32_t quantita) {
  const auto posto = Trova(formato, copia);
  if (posto) file_.ImpostaQuantita(posto->formato, posto->voce, quantita);
  return posto.has_value();
}

bool AlbumVelistra::ImpostaRidimensionamentoFile(const QString& formato, const QString& copia,
                                                 const QString& chiave) {
  const auto posto = Trova(formato, copia);
  if (posto) file_.ImpostaRidimensionamento(posto->formato, posto->voce, chiave);
  return posto.has_value();
}

void AlbumVelistra::AggiungiFormato(const QString& formato) {
  file_.AggiungiFormato(formato);
  // A new format holds no entries yet.
  while (chiavi_.size() < Formati().size()) chiavi_.emplace_back();
}

bool AlbumVelistra::AllineaVelistraAiFormati(const QStringList& formati) {
  if (!file_.Radice()) return false;
  for (const QString& id : formati)
    if (!id.isEmpty()) AggiungiFormato(id);  // an empty id: nothing could ever refer to it
  return true;
}

void AlbumVelistra::EliminaCartellaERicreaXML(const QStringList& formati) {
  contatoreFoto_ = 0;
  file_.Svuota();
  Indicizza();
  AllineaVelistraAiFormati(formati);
  QDir lavoro(percorsi_.CartellaLavoro);
  for (const QString& nome : lavoro.entryList(QDir::Files | QDir::Hidden | QDir::System))
    lavoro.remove(nome);
}

void AlbumVelistra::LeggiContatoreFoto() { contatoreFoto_ = Impostazioni(percorsi_).ContatoreFoto(); }

bool AlbumVelistra::SalvaContatoreFoto() const {
  return Impostazioni(percorsi_).ScriviContatoreFoto(contatoreFoto_);
}

std::optional<QString> AlbumVelistra::NuovaChiaveThumb() {
  if (contatoreFoto_ == std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return ChiaveThumb(++contatoreFoto_);
}

std::optional<QString> AlbumVelistra::NuovaCopiaLavoro(const QString& foto) {
  const QString estensione =
      DaConvertirePerLaboratorio(foto) ? QStringLiteral("jpg") : EstensioneFile(QFileInfo(foto).fileName());
  // A counter that fell behind (settings lost, a stop before they were
  // written) must not overwrite the copy of another entry.
  QString copia;
  do {
    const std::optional<QString> chiave = NuovaChiaveThumb();
    if (!chiave) return std::nullopt;
    copia = percorsi_.CartellaLavoro + *chiave + u'.' + estensione;
  } while (FileEsiste(copia));
  return copia;
}

QStringList AlbumVelistra::CopieDelFormato(const QString& formato) const {
  QStringList copie;
  for (const VoceAlbum& voce : Voci(formato)) copie.append(voce.copia);
  return copie;
}
