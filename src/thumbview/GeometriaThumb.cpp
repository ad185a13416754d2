#include "thumbview/GeometriaThumb.h"

#include <algorithm>

#include "thumbview/Arrotondamento.h"

int CalcolaAltezzaCella(bool mostraNumeroFoto, bool mostraFormatoFotografico) {
  return kAltezzaCellaBase + (mostraNumeroFoto ? kAltezzaRiga : 0) +
         (mostraFormatoFotografico ? kAltezzaRiga : 0);
}

int CalcolaColonne(int larghezzaSuperficie, int larghezzaInternaCornice) {
  int n = Arrotondato(static_cast<double>(larghezzaSuperficie) / kLarghezzaColonna);
  if (n <= 0) return 1;
  if (n > 1 && larghezzaInternaCornice < n * kLarghezzaColonna + 10) --n;
  return n;
}

int MassimoScorrimento(int n, int colonne, int altezzaSuperficie, int altezzaCella) {
  if (n <= colonne) return 0;
  const int righe = n / colonne + (n % colonne != 0 ? 1 : 0);
  const int visibili = altezzaSuperficie / (altezzaCella + 6);
  const int massimo = righe - visibili;
  return massimo < 1 ? 0 : massimo;
}

PaginaThumb CalcolaPagina(int valoreScorrimento, int colonne, int altezzaSuperficie,
                          int altezzaCella, int totFile) {
  const int righe = Arrotondato(static_cast<double>(altezzaSuperficie) / (altezzaCella + 6));
  PaginaThumb pagina;
  pagina.prima = valoreScorrimento * colonne;
  pagina.ultima = std::min(pagina.prima + (righe + 1) * colonne - 1, totFile);
  return pagina;
}

RettangoliCella CalcolaRettangoliCella(int posizione, int colonne, int altezzaCella,
                                       int larghezzaCasella) {
  const int colonna = posizione % colonne;
  const int riga = posizione / colonne;
  RettangoliCella r;
  r.sinistra = colonna * kLarghezzaColonna;
  r.alto = Arrotondato(static_cast<double>(riga) * (altezzaCella + 2) + 2);
  r.cella = QRect(r.sinistra, r.alto, kLarghezzaCella, altezzaCella);
  const int inizioNome = 2 + larghezzaCasella + 2;
  r.riga1 =
      QRect(r.sinistra + inizioNome, r.alto + 2, kLarghezzaCella - inizioNome - 2, kAltezzaRiga);
  r.riga2 = QRect(r.sinistra + 4, r.alto + altezzaCella - 2 * kAltezzaRiga - 2, kLarghezzaCella - 8,
                  kAltezzaRiga);
  r.riga3 = QRect(r.sinistra + 2, r.alto + altezzaCella - kAltezzaRiga - 2, kLarghezzaCella - 4,
                  kAltezzaRiga);
  return r;
}

int SinistraImmagineInCella(int sinistraCella, int larghezzaImmagine) {
  return Arrotondato(sinistraCella + (kLarghezzaCella - larghezzaImmagine) / 2.0);
}

QSize MisuraMiniatura(QSize originale) {
  const double w = originale.width();
  const double h = originale.height();
  // A 1 x 30000 strip would round to 0 pixels wide: keep at least one.
  if (w < h) return {std::max(1, Arrotondato(w * kLatoMiniatura / h)), kLatoMiniatura};
  return {kLatoMiniatura, std::max(1, Arrotondato(h * kLatoMiniatura / w))};
}

QRect RettangoloAnteprima(QSize originale, int lato) {
  const double w = originale.width();
  const double h = originale.height();
  int larghezza = lato;
  int altezza = lato;
  if (w < h) {
    altezza = Arrotondato(lato * double(kAltezzaAnteprimaVerticale) / kLatoAnteprima);
    larghezza = std::max(1, Arrotondato(w * altezza / h));
  } else {
    altezza = std::max(1, Arrotondato(h * lato / w));
  }
  return {Arrotondato((lato - larghezza) / 2.0), Arrotondato((lato - altezza) / 2.0), larghezza, altezza};
}

QRect QuadratoAnteprima(QSize area) {
  const int lato = std::max(1, std::min({kLatoAnteprima, area.width(), area.height()}));
  return {std::max(0, (area.width() - lato) / 2), 0, lato, lato};
}

int ValorePerMostrareRiga(int riga, int valore, int righeIntere) {
  if (riga < valore) return riga;
  const int ultimaIntera = valore + std::max(1, righeIntere) - 1;
  return riga > ultimaIntera ? riga - std::max(1, righeIntere) + 1 : valore;
}

int SpostaFuoco(int indice, int passo, int totale) {
  if (totale <= 0) return -1;
  if (indice < 0) return 0;
  return std::clamp(indice + passo, 0, totale - 1);
}

QList<QPair<int, int>> RaggruppaIntervalli(const QList<int>& indici) {
  QList<QPair<int, int>> intervalli;
  for (const int i : indici) {
    if (!intervalli.isEmpty() && intervalli.last().second + 1 == i)
      intervalli.last().second = i;
    else
      intervalli.append({i, i});
  }
  return intervalli;
}

QSize MisuraAnteprima(QSize originale) { return RettangoloAnteprima(originale).size(); }

QRect RettangoloInscritto(const QRect& contenitore, QSizeF proporzioni) {
  if (proporzioni.isEmpty()) return contenitore;
  const QSizeF dentro = proporzioni.scaled(QSizeF(contenitore.size()), Qt::KeepAspectRatio);
  const int larghezza = std::max(1, Arrotondato(dentro.width()));
  const int altezza = std::max(1, Arrotondato(dentro.height()));
  return {contenitore.left() + Arrotondato((contenitore.width() - larghezza) / 2.0),
          contenitore.top() + Arrotondato((contenitore.height() - altezza) / 2.0), larghezza, altezza};
}
