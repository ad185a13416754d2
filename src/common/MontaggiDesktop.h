#pragma once
#include <QList>

#include "common/NomeMontaggio.h"

// The mounts the desktop's GIO knows (phones, cameras, shares, media), with
// the names it shows for them; none where GIO sees none (no desktop session).
// GUI thread only: GIO's volume monitor belongs to the main loop, which keeps
// it up to date.
QList<MontaggioDesktop> MontaggiDesktop();
