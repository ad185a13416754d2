#pragma once

class QCoreApplication;

// Loads Qt's own Italian texts ("Sì", "No", the text boxes' menus), whatever the
// system language is.
void CaricaTraduzioniQt(QCoreApplication& app);
