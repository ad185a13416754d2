#include "ordine/QualitaAlbum.h"

#include <QHash>

#include "album/TabellaRidimensionamento.h"
#include "immagini/MisuraFotoDritta.h"

std::optional<CartaStampa> CartaDelFormato(const CatalogoFormati& catalogo, const QString& formato,
                                           const QString& ridimensionamento) {
  const std::optional<QSizeF> centimetri = catalogo.getDimensioniFormato(formato);
  if (!centimetri) return std::nullopt;
  return CartaStampa{formato, *centimetri, AdattamentoRidimensionamento(ridimensionamento)};
}

QList<VoceDaStampare> VociDaStampare(const AlbumVelistra& album, const CatalogoFormati& catalogo) {
  QList<VoceDaStampare> voci;
  // Albums hold thousands of entries in a handful of formats and modes.
  QHash<QString, std::optional<CartaStampa>> carte;
  for (const NodoXML& voce : album.Documento().selezionaNodi(QStringLiteral("/xml/formato/files/file"))) {
    const QString formato = voce.selezionaNodo(QStringLiteral("formato")).testo();
    const QString modo = voce.selezionaNodo(QStringLiteral("ridimensionamento")).testo();
    const QString chiave = formato + u'\n' + modo;
    auto carta = carte.constFind(chiave);
    if (carta == carte.constEnd()) carta = carte.insert(chiave, CartaDelFormato(catalogo, formato, modo));
    if (*carta) voci.append({voce.selezionaNodo(QStringLiteral("nomecompleto")).testo(), **carta});
  }
  return voci;
}

int ContaStampeSgranate(const QList<VoceDaStampare>& voci) {
  int sgranate = 0;
  for (const VoceDaStampare& voce : voci)
    if (ValutaStampa(MisuraFotoDritta(voce.percorso), voce.carta).livello != LivelloQualita::Buona) ++sgranate;
  return sgranate;
}
