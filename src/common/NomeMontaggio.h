#pragma once
#include <QList>
#include <QString>

// The label of a mounted medium's folder. The desktop's virtual file system
// names a phone's or camera's mount "mtp:host=Apple_iPhone_…" or
// "gphoto2:host=Canon_EOS_…": the device name is shown when it can be read
// there; any other folder keeps its own name.
QString NomeMontaggio(const QString& cartella);

// A mount as the desktop shows it: its root folder and its name.
struct MontaggioDesktop {
  QString percorso;
  QString nome;
};

// The label of the mounted medium at percorso: the desktop's name for the
// mount rooted there, else the folder's name decoded by NomeMontaggio.
QString EtichettaMontaggio(const QString& percorso, const QList<MontaggioDesktop>& desktop);

// Where the desktop's virtual file system mounts phones, cameras and network
// shares for this user.
QString RadiceMontaggiVirtuali();
