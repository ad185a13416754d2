#pragma once

class QDialog;
class QPushButton;

// The default "Chiudi" button of a small window, which closes it.
QPushButton* NuovoPulsanteChiudi(QDialog* finestra);
