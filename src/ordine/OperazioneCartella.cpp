#include "ordine/OperazioneCartella.h"

#include <QDir>

#include "common/Compito.h"
#include "common/Percorsi.h"
#include "common/SincronizzaDisco.h"
#include "common/TestoOrdine.h"
#include "ordine/CartellaOrdine.h"
#include "ordine/CopiaFile.h"
#include "ordine/FoglioCliente.h"
#include "ordine/OrdineVelistra.h"
#include "ordine/TestoCondition.h"

namespace {

enum class EsitoFile { Scritto, FotoRimossa, NonScritto };

const QString kDatiUtente = QStringLiteral("DatiUtente.jpg");
const QString kCondition = QStringLiteral("Condition.txt");

}  // namespace

OperazioneCartella::OperazioneCartella(OrdineVelistra& ordine, QString cartella, FoglioCliente& foglio)
    : ordine_(ordine), cartella_(std::move(cartella)), foglio_(foglio), copie_(ordine.CopieDelleVoci()) {
  if (copie_.isEmpty()) risultato_.esito = EsitoCartella::AlbumVuoto;
}

bool OperazioneCartella::Scritto(bool scritto, const QString& nome) {
  if (!scritto) risultato_ = {EsitoCartella::ScritturaNonRiuscita, nome, cartella_};
  return scritto;
}

PassoOperazione OperazioneCartella::Passo(int fatti) const {
  const int n = static_cast<int>(copie_.size());
  PassoOperazione passo;
  passo.fatti = fatti;
  passo.totale = 2 * n;
  passo.ultimo = risultato_.esito != EsitoCartella::Creata;
  return passo;
}

QFuture<PassoOperazione> OperazioneCartella::Avanza(QObject* contesto) {
  const int n = static_cast<int>(copie_.size());
  if (risultato_.esito != EsitoCartella::Creata) return QtFuture::makeReadyFuture(Passo(passo_));
  const int k = passo_++;
  if (k < n) return Copia(contesto, k);
  if (k < 2 * n) return Sincronizza(contesto, k - n);
  return Chiudi(contesto);
}

QFuture<PassoOperazione> OperazioneCartella::Copia(QObject* contesto, int k) {
  const QString foto = copie_[k];
  nomi_.append(NomeFileOrdine(foto));
  const QString destinazione = cartella_ + nomi_.last();
  return AvviaCompito(
      contesto,
      [foto, destinazione] {
        if (!FileEsiste(foto)) return EsitoFile::FotoRimossa;
        return CopiaFileVerificata(foto, destinazione) ? EsitoFile::Scritto : EsitoFile::NonScritto;
      },
      [this, k](EsitoFile esito) {
        if (esito == EsitoFile::FotoRimossa) risultato_ = {EsitoCartella::FotoRimossa, {}, {}};
        Scritto(esito != EsitoFile::NonScritto, nomi_[k]);
        PassoOperazione passo = Passo(k + 1);
        passo.foto = k + 1;
        passo.fotoTotali = static_cast<int>(copie_.size());
        return passo;
      });
}

QFuture<PassoOperazione> OperazioneCartella::Sincronizza(QObject* contesto, int k) {
  const QString nome = nomi_[k];
  return AvviaCompito(contesto, [file = cartella_ + nome] { return SincronizzaFile(file); },
                      [this, k, nome](bool sincronizzato) {
                        Scritto(sincronizzato, nome);
                        return Passo(static_cast<int>(copie_.size()) + k + 1);
                      });
}

QFuture<PassoOperazione> OperazioneCartella::Chiudi(QObject* contesto) {
  const int fatti = 2 * static_cast<int>(copie_.size());
  QString ordine;
  if (!ordine_.StringaFileCondition(ordine_.album().Formati(), ordine)) {
    risultato_ = {EsitoCartella::AlbumVuoto, {}, {}};
    return QtFuture::makeReadyFuture(Passo(fatti));
  }
  // The sheet is drawn by the window's renderer, on its thread.
  if (!Scritto(foglio_.CreaFotografiaTesto(
                   cartella_ + kDatiUtente,
                   TestoFotografiaDatiUtente(foglio_.getDatiUtente(), ordine_.getImportoCorrenteEuro())),
               kDatiUtente))
    return QtFuture::makeReadyFuture(Passo(fatti));
  // The customer takes the medium away at the success message: "End.txt"
  // comes last, and only once everything before it is on the medium. A
  // failed folder flush is told as the folder not written into its parent.
  return AvviaCompito(
      contesto,
      [cartella = cartella_, ordine]() -> RisultatoCartella {
        if (!ScriviTestoOrdine(cartella + kCondition, ordine))
          return {EsitoCartella::ScritturaNonRiuscita, kCondition, cartella};
        if (!SincronizzaCartellaOrdine(cartella))
          return {EsitoCartella::ScritturaNonRiuscita, QDir(cartella).dirName(),
                  AggiungiBarra(CartellaSuperiore(cartella))};
        if (!ScriviFineOrdine(cartella)) return {EsitoCartella::ScritturaNonRiuscita, QStringLiteral("End.txt"), cartella};
        return {};
      },
      [this, fatti](const RisultatoCartella& scritta) {
        risultato_ = scritta;
        if (risultato_.esito == EsitoCartella::Creata)
          risultato_.storicoNonSalvato = !ordine_.RegistraNelloStorico(TipoOrdine::Cartella, cartella_);
        PassoOperazione passo = Passo(fatti);
        passo.ultimo = true;
        return passo;
      });
}

RisultatoCartella OperazioneCartella::Concludi() { return risultato_; }
