#pragma once
#include <QString>

// The label of a mounted medium's folder. The desktop's virtual file system
// names a phone's or camera's mount "mtp:host=Apple_iPhone_…" or
// "gphoto2:host=Canon_EOS_…": the device name is shown when it can be read
// there; any other folder keeps its own name.
QString NomeMontaggio(const QString& cartella);

// Where the desktop's virtual file system mounts phones, cameras and network
// shares for this user.
QString RadiceMontaggiVirtuali();
