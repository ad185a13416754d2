// The order folder for the lab.
#include <QDir>
#include <QStringList>

#include "common/Percorsi.h"
#include "common/SincronizzaDisco.h"
#include "common/TestoOrdine.h"
#include "ordine/CartellaOrdine.h"
#include "ordine/CopiaFile.h"
#include "ordine/FoglioCliente.h"
#include "ordine/OrdineVelistra.h"
#include "ordine/TestoCondition.h"

RisultatoCartella OrdineVelistra::ScriviCartellaOrdine(const QString& cartella, FoglioCliente& foglio,
                                                       const CicloPassi& ciclo) {
  const QList<VoceAlbum> voci = album_.Voci({});
  if (voci.isEmpty()) return {EsitoCartella::AlbumVuoto, {}, {}};
  RisultatoCartella risultato;
  auto scritto = [&](bool riuscito, const QString& nome) {
    if (!riuscito) risultato = {EsitoCartella::ScritturaNonRiuscita, nome, cartella};
    return riuscito;
  };

  const int n = static_cast<int>(voci.size());
  QStringList nomi;
  // The first half copies and checks each photo, starting its write to the
  // medium at once; the second half waits until each copy is there. One flush
  // after all the copies costs far less than one after each.
  const bool completo = ciclo(2 * n, [&](int k) {
    if (k > n) {
      const QString& nome = nomi[k - n - 1];
      return scritto(SincronizzaFile(cartella + nome), nome);
    }
    const QString& foto = voci[k - 1].copia;
    if (!FileEsiste(foto)) {
      risultato.esito = EsitoCartella::FotoRimossa;
      return false;
    }
    nomi.append(NomeFileOrdine(foto));
    if (!scritto(CopiaFileVerificata(foto, cartella + nomi.last()), nomi.last())) return false;
    Q_EMIT fotoNellaCartella(k, n);
    return true;
  });
  if (!completo) return {EsitoCartella::Interrotta, {}, {}};
  if (risultato.esito != EsitoCartella::Creata) return risultato;

  const QString datiUtente = QStringLiteral("DatiUtente.jpg");
  const QString condition = QStringLiteral("Condition.txt");
  QString ordine;
  if (!scritto(foglio.CreaFotografiaTesto(cartella + datiUtente,
                                          TestoFotografiaDatiUtente(foglio.getDatiUtente(), getImportoCorrenteEuro())),
               datiUtente))
    return risultato;
  if (!StringaFileCondition(album_.Formati(), ordine)) return {EsitoCartella::AlbumVuoto, {}, {}};
  if (!scritto(ScriviTestoOrdine(cartella + condition, ordine), condition)) return risultato;
  // The customer takes the medium away at the success message: "End.txt"
  // comes last, and only once everything before it is on the medium. A
  // failed folder flush is told as the folder not written into its parent.
  if (!SincronizzaCartellaOrdine(cartella))
    return {EsitoCartella::ScritturaNonRiuscita, QDir(cartella).dirName(), AggiungiBarra(CartellaSuperiore(cartella))};
  if (scritto(ScriviFineOrdine(cartella), QStringLiteral("End.txt")))
    risultato.storicoNonSalvato = !RegistraNelloStorico(TipoOrdine::Cartella, cartella);
  return risultato;
}
