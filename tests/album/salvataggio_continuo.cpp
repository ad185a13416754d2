// Test-only child of the crash-safety test: loads the album of the program
// folder given as its argument, says "pronto", then adds and removes one entry,
// saving after each change (the two albums in turn), until it is killed.
#include <cstdio>

#include "album/AlbumVelistra.h"
#include "album/CatalogoFormati.h"

int main(int argc, char** argv) {
  if (argc != 3) return 1;
  const PercorsiProgramma percorsi = PercorsiNellaCartella(QString::fromLocal8Bit(argv[1]));
  const QString formato = QString::fromLocal8Bit(argv[2]);
  CatalogoFormati catalogo(percorsi);
  catalogo.CaricaFormati();
  AlbumVelistra album(percorsi);
  if (!album.CaricaVelistra(catalogo.TuttiGliIdFormati())) return 2;
  std::puts("pronto");
  std::fflush(stdout);
  const QString copia = percorsi.CartellaLavoro + QStringLiteral("imgVE_999999.jpg");
  // Toggle from whichever of the two albums the last run left.
  for (bool aggiungi = !album.TrovaFileVelistra(formato, copia);; aggiungi = !aggiungi) {
    if (aggiungi)
      album.AggiungiFileVelistra(formato, copia, QStringLiteral("aggiunta.jpg"), QStringLiteral("FILLIN"));
    else
      album.RimuoviFileVelistra(formato, copia);
    if (!album.SalvaVelistra()) return 3;
  }
}
