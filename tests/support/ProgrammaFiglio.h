#pragma once
// For test drivers that run the program as a child process.
#include <QApplication>
#include <QSocketNotifier>
#include <unistd.h>

#include "startup/modMain.h"

// The start-up environment of a program folder with a given screen width.
inline AmbienteAvvio AmbienteProva(const char* cartella, int larghezzaSchermo) {
  AmbienteAvvio ambiente;
  ambiente.cartellaProgramma = [percorso = QString::fromLocal8Bit(cartella)] { return percorso; };
  ambiente.larghezzaSchermo = [larghezzaSchermo] { return larghezzaSchermo; };
  return ambiente;
}

// Runs the program's event loop until the test closes the driver's standard
// input (or dies), then releases what Main holds.
inline int EseguiFinoAFineIngresso() {
  QSocketNotifier ingresso(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&ingresso, &QSocketNotifier::activated, qApp, [] {
    char buffer[64];
    if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0) QApplication::quit();
  });
  const int esito = QApplication::exec();
  FineProgramma();
  return esito;
}
