#include "ordine/StoricoOrdini.h"

#include <QFileInfo>
#include <algorithm>
#include <memory>
#include <utility>

#include "common/DocumentoXML.h"
#include "common/Percorsi.h"
#include "common/ScritturaAtomica.h"

namespace {

const QString kRadice = QStringLiteral("storico");
const QString kOrdine = QStringLiteral("ordine");
const QString kFoto = QStringLiteral("foto");

QString NomeTipo(TipoOrdine tipo) {
  return tipo == TipoOrdine::Invio ? QStringLiteral("invio") : QStringLiteral("cartella");
}

std::int32_t Intero(const NodoXML& nodo, const QString& attributo, std::int32_t altrimenti) {
  bool ok = false;
  const int valore = nodo.attributo(attributo).toInt(&ok);
  return ok ? valore : altrimenti;
}

OrdineStorico LeggiOrdine(const NodoXML& nodo) {
  OrdineStorico ordine;
  ordine.quando = QDateTime::fromString(nodo.attributo(QStringLiteral("data")), Qt::ISODate);
  ordine.tipo = nodo.attributo(QStringLiteral("tipo")) == NomeTipo(TipoOrdine::Invio) ? TipoOrdine::Invio
                                                                                      : TipoOrdine::Cartella;
  ordine.destinazione = nodo.attributo(QStringLiteral("destinazione"));
  ordine.importo = Intero(nodo, QStringLiteral("importo"), 0);
  for (const NodoXML& voce : nodo.selezionaNodi(kFoto)) {
    FotoStorico foto;
    foto.originale = voce.attributo(QStringLiteral("originale"));
    foto.copia = voce.attributo(QStringLiteral("copia"));
    foto.titolo = voce.attributo(QStringLiteral("titolo"));
    foto.formato = voce.attributo(QStringLiteral("formato"));
    foto.quantita = Intero(voce, QStringLiteral("quantita"), 1);
    foto.ridimensionamento = voce.attributo(QStringLiteral("ridimensionamento"));
    ordine.foto.append(foto);
  }
  return ordine;
}

void ScriviOrdine(DocumentoXML& documento, NodoXML radice, const OrdineStorico& ordine) {
  NodoXML nodo = radice.aggiungiFiglio(documento.creaElemento(kOrdine));
  // With its offset from UTC, so that the moment reads the same after a change of time zone.
  const QDateTime quando = ordine.quando.toOffsetFromUtc(ordine.quando.offsetFromUtc());
  nodo.impostaAttributo(QStringLiteral("data"), quando.toString(Qt::ISODate));
  nodo.impostaAttributo(QStringLiteral("tipo"), NomeTipo(ordine.tipo));
  nodo.impostaAttributo(QStringLiteral("destinazione"), ordine.destinazione);
  nodo.impostaAttributo(QStringLiteral("importo"), QString::number(ordine.importo));
  for (const FotoStorico& foto : ordine.foto) {
    NodoXML voce = nodo.aggiungiFiglio(documento.creaElemento(kFoto));
    voce.impostaAttributo(QStringLiteral("originale"), foto.originale);
    voce.impostaAttributo(QStringLiteral("copia"), foto.copia);
    voce.impostaAttributo(QStringLiteral("titolo"), foto.titolo);
    voce.impostaAttributo(QStringLiteral("formato"), foto.formato);
    voce.impostaAttributo(QStringLiteral("quantita"), QString::number(foto.quantita));
    voce.impostaAttributo(QStringLiteral("ridimensionamento"), foto.ridimensionamento);
  }
}

// The history as it stands; a damaged file is set aside and an empty history
// takes its place.
std::unique_ptr<DocumentoXML> CaricaStorico(const QString& percorso) {
  RimuoviAvanziScritturaAtomica(percorso);
  auto documento = CreaDocumentoXML(percorso);
  if (documento->caricato() && documento->radice().nome() == kRadice) return documento;
  const bool danneggiato = QFileInfo::exists(percorso);
  if (danneggiato) MettiDaParteIlleggibile(percorso);
  documento = CreaDocumentoXML();
  documento->aggiungiDichiarazione();
  documento->aggiungiFiglio(documento->creaElemento(kRadice));
  if (danneggiato) documento->salva(percorso);
  return documento;
}

}  // namespace

StoricoOrdini::StoricoOrdini(QString percorso) : percorso_(std::move(percorso)) {}

QList<OrdineStorico> StoricoOrdini::Leggi() const {
  const auto documento = CaricaStorico(percorso_);
  QList<OrdineStorico> ordini;
  for (const NodoXML& nodo : documento->selezionaNodi(QStringLiteral("/storico/ordine")))
    ordini.prepend(LeggiOrdine(nodo));
  // Appended in time order; a clock set back still shows the latest first.
  std::stable_sort(ordini.begin(), ordini.end(),
                   [](const OrdineStorico& a, const OrdineStorico& b) { return a.quando > b.quando; });
  return ordini;
}

bool StoricoOrdini::Aggiungi(const OrdineStorico& ordine) const {
  auto documento = CaricaStorico(percorso_);
  ScriviOrdine(*documento, documento->radice(), ordine);
  return documento->salva(percorso_);
}
