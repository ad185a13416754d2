#include <gtest/gtest.h>

#include "common/NomeMontaggio.h"

namespace {

const QString kGvfs = QStringLiteral("/run/user/1000/gvfs");

// The desktop's name where it has a mount at the folder, else the folder's own decoded.
TEST(NomeMontaggio, TheDesktopsNameOfTheMountAtTheFolderElseTheDecodedFolderName) {
  const QString iphone = kGvfs + QStringLiteral("/mtp:host=Apple_iPhone_di_Anna");
  const QList<MontaggioDesktop> desktop{
      {QStringLiteral("/media/anna/SCHEDA"), QStringLiteral("Scheda SD")},
      {iphone, QStringLiteral("iPhone di Anna")},
      {kGvfs + QStringLiteral("/gphoto2:host=%5Busb%3A001%2C005%5D/"), QStringLiteral("Canon EOS 250D")},
      {kGvfs + QStringLiteral("/smb-share:server=nas,share=foto"), QStringLiteral("  ")},
  };
  struct Caso {
    QString percorso;
    QList<MontaggioDesktop> desktop;
    QString atteso;
  };
  const QList<Caso> casi{
      {iphone, desktop, QStringLiteral("iPhone di Anna")},
      // Cleaned paths on both sides: the root GIO gives may end in a slash.
      {kGvfs + QStringLiteral("/gphoto2:host=%5Busb%3A001%2C005%5D"), desktop, QStringLiteral("Canon EOS 250D")},
      {QStringLiteral("/media/anna/SCHEDA/"), desktop, QStringLiteral("Scheda SD")},
      // No desktop (no gvfs daemon, the tests' fake folders): the name is decoded.
      {iphone, {}, QStringLiteral("Apple iPhone di Anna")},
      {kGvfs + QStringLiteral("/gphoto2:host=Canon_EOS_250D,port=usb"), desktop, QStringLiteral("Canon EOS 250D")},
      // A mount inside or around the folder is another one.
      {iphone + QStringLiteral("/Internal Storage"), desktop, QStringLiteral("Internal Storage")},
      {kGvfs, desktop, QStringLiteral("gvfs")},
      // A blank name is none; a bus address is no name either.
      {kGvfs + QStringLiteral("/smb-share:server=nas,share=foto"), desktop,
       QStringLiteral("smb-share:server=nas,share=foto")},
      {kGvfs + QStringLiteral("/gphoto2:host=%5Busb%3A001%2C006%5D"), desktop,
       QStringLiteral("gphoto2:host=%5Busb%3A001%2C006%5D")},
      {QStringLiteral("/media/anna/FOTO 2024"), desktop, QStringLiteral("FOTO 2024")},
  };
  for (const Caso& caso : casi) {
    SCOPED_TRACE(caso.percorso.toStdString());
    EXPECT_EQ(EtichettaMontaggio(caso.percorso, caso.desktop).toStdString(), caso.atteso.toStdString());
  }
}

}  // namespace
