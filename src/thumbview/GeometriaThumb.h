#pragma once
#include <QList>
#include <QPair>
#include <QRect>
#include <QSize>
#include <QSizeF>

// The grid's arithmetic, kept apart from the widget so it can be checked alone.

// A cell holds "Numero foto: 999" and "13x18 - Nessuno" whole in the caption
// font; the picture stays at most 90 x 90.
constexpr int kLarghezzaColonna = 122;  // a cell is 120 wide, 2 of gap
constexpr int kLarghezzaCella = 120;
constexpr int kAltezzaCellaBase = 110;
constexpr int kAltezzaRiga = 14;              // one text line of a cell
constexpr int kAltezzaCarattereDidascalia = 11;  // pixels, so the constants above hold at any dpi
constexpr int kLatoMiniatura = 90;
constexpr int kLatoAnteprima = 200;
constexpr int kAltezzaAnteprimaVerticale = 150;

// 110, plus one text line for each caption line shown.
int CalcolaAltezzaCella(bool mostraNumeroFoto, bool mostraFormatoFotografico);

// Columns for a drawing surface of that width inside a frame of that inner width; at least 1.
int CalcolaColonne(int larghezzaSuperficie, int larghezzaInternaCornice);

// Scroll-bar maximum (in rows) for n thumbnails.
int MassimoScorrimento(int n, int colonne, int altezzaSuperficie, int altezzaCella);

struct PaginaThumb {
  int prima = 0;
  int ultima = 0;  // may be one past the last record while the page has room
};
// The page starting at the scroll row, one row beyond the rows that fit whole.
PaginaThumb CalcolaPagina(int valoreScorrimento, int colonne, int altezzaSuperficie,
                          int altezzaCella, int totFile);

// The rectangles of the cell at page position p; the name starts right of
// the check box, which sits at the cell's top left.
struct RettangoliCella {
  QRect cella;
  QRect riga1;
  QRect riga2;
  QRect riga3;
  int sinistra = 0;
  int alto = 0;
};
RettangoliCella CalcolaRettangoliCella(int posizione, int colonne, int altezzaCella,
                                       int larghezzaCasella);
// Left edge of a picture of that width centred in a cell starting at cellLeft.
int SinistraImmagineInCella(int sinistraCella, int larghezzaImmagine);

// The upright size of a 90-pixel copy: the long side 90, never below 1 pixel.
QSize MisuraMiniatura(QSize originale);
// The preview's rectangle inside a square of that side (200 by default): a
// portrait is three quarters of the side high.
QRect RettangoloAnteprima(QSize originale, int lato = kLatoAnteprima);
// The square the preview takes in a box of that size: at most 200, never wider
// or taller than the box, centred across it at its top.
QRect QuadratoAnteprima(QSize area);

// The scroll value (in rows) that shows that row whole, moving as little as
// possible from the current value.
int ValorePerMostrareRiga(int riga, int valore, int righeIntere);
// The focused thumbnail after a step (negative: back), kept within the list.
int SpostaFuoco(int indice, int passo, int totale);

// Collapses an ascending list of indices into (first, last) runs, ascending.
QList<QPair<int, int>> RaggruppaIntervalli(const QList<int>& indici);
// The size of that preview rectangle, as a destination for the decoder.
QSize MisuraAnteprima(QSize originale);
// The largest rectangle of those proportions centred inside the box.
QRect RettangoloInscritto(const QRect& contenitore, QSizeF proporzioni);
