#include <gtest/gtest.h>

#include "common/NomeMontaggio.h"

namespace {

TEST(NomeMontaggio, TheDesktopsNameOfTheMountAtTheFolderElseTheDecodedFolderName) {
  const QString iphone = QStringLiteral("/run/user/1000/gvfs/mtp:host=Apple_iPhone_di_Anna");
  const QString canon = QStringLiteral("/run/user/1000/gvfs/gphoto2:host=Canon_EOS_250D");
  const QString scheda = QStringLiteral("/media/anna/SCHEDA");
  // GIO's root may end in a slash; a blank name is none.
  const QList<MontaggioDesktop> desktop{{iphone + u'/', QStringLiteral("iPhone di Anna")},
                                        {scheda, QStringLiteral("  ")}};
  const QList<std::pair<QString, QString>> casi{
      {iphone, QStringLiteral("iPhone di Anna")},
      // No mount of the desktop there (no gvfs daemon, the tests' fake folders).
      {canon, QStringLiteral("Canon EOS 250D")},
      {scheda, QStringLiteral("SCHEDA")},
      // A folder inside a mount is not the mount.
      {iphone + QStringLiteral("/Internal Storage"), QStringLiteral("Internal Storage")},
  };
  for (const auto& [percorso, atteso] : casi)
    EXPECT_EQ(EtichettaMontaggio(percorso, desktop).toStdString(), atteso.toStdString()) << percorso.toStdString();
  EXPECT_EQ(EtichettaMontaggio(iphone, {}).toStdString(), "Apple iPhone di Anna");
}

}  // namespace
