#pragma once

class QCoreApplication;

// Loads Qt's own Italian texts ("Sì", "No", the folder chooser), whatever the
// system language is.
void CaricaTraduzioniQt(QCoreApplication& app);
