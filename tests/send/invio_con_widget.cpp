// Must not compile: the send's sequence and transport link no widgets.
#include <QWidget>

#include "send/InvioVelistra.h"
