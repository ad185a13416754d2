#include "windows/clsMouse.h"

#include <QWidget>

#include "windows/Piattaforma.h"

void clsMouse::setOggetto(QWidget* frm) {
  finestra_ = frm;
  if (!finestra_) return;
  piattaforma().ImpostaPuntatoreOccupato(finestra_, true);
}

clsMouse::~clsMouse() {
  if (finestra_) piattaforma().ImpostaPuntatoreOccupato(finestra_, false);
}
