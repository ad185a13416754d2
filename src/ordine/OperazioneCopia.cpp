#include "ordine/OperazioneCopia.h"

#include <algorithm>
#include <QFile>

#include "common/Compito.h"
#include "ordine/OrdineVelistra.h"

OperazioneCopia::OperazioneCopia(OrdineVelistra& ordine, QList<FotoDaCopiare> foto, RegoleCopia regole)
    : ordine_(ordine), foto_(std::move(foto)), regole_(std::move(regole)) {}

void OperazioneCopia::Ferma(EsitoFoto esito) {
  ferma_ = true;
  risultato_.esito = esito;
  risultato_.foto = foto_[corrente_].foto;
  risultato_.formato = foto_[corrente_].formato;
}

PassoOperazione OperazioneCopia::Passo(bool ultimo) const {
  PassoOperazione passo;
  passo.fatti = corrente_ + 1;
  passo.totale = static_cast<int>(foto_.size());
  passo.foto = passo.fatti;
  passo.fotoTotali = passo.totale;
  passo.ultimo = ultimo || ferma_ || passo.fatti >= passo.totale;
  return passo;
}

std::optional<CopiaDaFare> OperazioneCopia::Prepara() {
  while (!ferma_ && ++corrente_ < foto_.size()) {
    const FotoDaCopiare& foto = foto_[corrente_];
    if (regole_.origine && !ordine_.HaVoce(*regole_.origine, foto.foto)) {
      Ferma(EsitoFoto::NonTrovata);
      break;
    }
    if (regole_.tralasciaMancanti && !ordine_.catalogo().OffreFormato(foto.formato)) {
      if (!risultato_.formatiNonOfferti.contains(foto.formato)) risultato_.formatiNonOfferti.append(foto.formato);
      continue;
    }
    if (!ordine_.PostoPerIlFormato(foto.formato)) {
      Ferma(EsitoFoto::FormatoAssente);
      break;
    }
    contatorePrima_ = ordine_.album().ContatoreFoto();
    const std::optional<QString> copia = ordine_.album().NuovaCopiaLavoro(foto.foto);
    if (!copia) {
      Ferma(EsitoFoto::ContatoreEsaurito);
      break;
    }
    copia_ = *copia;
    CopiaDaFare daFare{foto.foto, copia_, regole_.controllaDoppie, {}, {}};
    if (daFare.controllaDoppie) {
      daFare.copieDelFormato = CopieDelFormato(foto.formato);
      daFare.note = ordine_.ImpronteNote();
    }
    return daFare;
  }
  return std::nullopt;
}

const QStringList& OperazioneCopia::CopieDelFormato(const QString& formato) {
  auto copie = copieDeiFormati_.find(formato);
  if (copie == copieDeiFormati_.end()) copie = copieDeiFormati_.insert(formato, ordine_.album().CopieDelFormato(formato));
  return *copie;
}

QFuture<PassoOperazione> OperazioneCopia::Avanza(QObject* contesto) {
  const std::optional<CopiaDaFare> daFare = Prepara();
  if (!daFare) {
    corrente_ = std::min<int>(corrente_, static_cast<int>(foto_.size()) - 1);
    return QtFuture::makeReadyFuture(Passo(true));
  }
  return AvviaCompito(contesto, [daFare = *daFare] { return EseguiCopia(daFare); },
                      [this](const CopiaFatta& fatta) { return Applica(fatta); });
}

PassoOperazione OperazioneCopia::Applica(const CopiaFatta& fatta) {
  ordine_.RegistraImpronte(fatta.lette);
  switch (fatta.esito) {
    case CopiaFatta::Esito::Fatta: break;
    case CopiaFatta::Esito::FotoMancante:
      if (regole_.tralasciaMancanti) {
        // Its name is given to the next photo, as if it had not been asked for.
        ordine_.album().ImpostaContatoreFoto(contatorePrima_);
        risultato_.nonTrovate.append(foto_[corrente_].foto);
        return Passo(false);
      }
      [[fallthrough]];
    case CopiaFatta::Esito::NonRiuscita: Ferma(EsitoFoto::CopiaNonRiuscita); return Passo(true);
  }
  if (!fatta.doppia) return Aggiungi(fatta.impronta);
  PassoOperazione passo = Passo(false);
  passo.doppia = true;
  passo.titolo = foto_[corrente_].titolo;
  passo.formato = foto_[corrente_].formato;
  impronta_ = fatta.impronta;
  return passo;
}

PassoOperazione OperazioneCopia::Rispondi(bool aggiungere) {
  if (aggiungere) return Aggiungi(impronta_);
  QFile::remove(copia_);
  risultato_.saltate.append(foto_[corrente_].foto);
  return Passo(false);
}

PassoOperazione OperazioneCopia::Aggiungi(const ImprontaFile& impronta) {
  const FotoDaCopiare& foto = foto_[corrente_];
  ordine_.AggiungiCopia(foto, copia_, impronta);
  if (const auto copie = copieDeiFormati_.find(foto.formato); copie != copieDeiFormati_.end()) copie->append(copia_);
  ++risultato_.fatte;
  copieFatte_.append(copia_);
  PassoOperazione passo = Passo(false);
  passo.copia = copia_;
  passo.titolo = foto.titolo;
  passo.formato = foto.formato;
  return passo;
}

RisultatoOperazione OperazioneCopia::Concludi() {
  ordine_.Salva(true, copieFatte_);
  return risultato_;
}
