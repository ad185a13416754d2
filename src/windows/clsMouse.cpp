#include "windows/clsMouse.h"

#include <QWidget>

#include "common/Piattaforma.h"

void clsMouse::setOggetto(QWidget* frm) {
  finestra_ = frm;
  if (!finestra_) return;
  piattaforma().ImpostaPuntatoreOccupato(finestra_, true);
}

clsMouse::~clsMouse() {
  if (finestra_) piattaforma().ImpostaPuntatoreOccupato(finestra_, false);
}
