#pragma once

// Where the photo columns start and what they need to show their toolbars whole.
struct MisureColonne {
  int inizioCentrale = 0;
  int minimoCentrale = 0;
  int minimoDestra = 0;
  int larghezzaDivisore = 0;
};

// The splitter's place in a window of the given inner width: the stored place
// when both columns get what they need there, else the closest place where
// they do. When the window is too narrow for both, the right column comes
// first (its bar ends with the commands that send the order). Never left of
// the drag's minimum.
int PosizioneDivisore(const MisureColonne& misure, int larghezzaFinestra, int salvata);

// The folder column gives way to the photos on narrow screens.
int LarghezzaColonnaSinistra(int larghezzaFinestra);
