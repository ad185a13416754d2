// The model may not know the main window: this include must not compile.
#include "mainwindow/frmScegliFoto.h"
