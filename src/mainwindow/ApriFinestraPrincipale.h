#pragma once

class QWidget;

// Creates the main window, runs its load and shows it, maximised when it was
// at the last close. It deletes itself when it closes.
QWidget* ApriFinestraPrincipale();
