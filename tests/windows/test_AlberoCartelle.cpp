#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "HomeProva.h"
#include "support/Attesa.h"
#include "windows/AlberoCartelle.h"

namespace {

QString RadiceSelezionata(const AlberoCartelle& albero) {
  QModelIndex indice = albero.currentIndex();
  while (indice.parent().isValid()) indice = indice.parent();
  return indice.data().toString();
}

}  // namespace

TEST(AlberoCartelle, OffersTheDesktopFoldersFirstAndSelectsUnderTheClosestOne) {
  HomeProva home;
  home.crea("Pictures/vacanze");
  home.crea("Desktop");
  home.crea(".nascosta");
  home.crea("media/cliente/CHIAVETTA");
  const QString media = home.percorso("media/cliente");
  AlberoCartelle albero(nullptr, {media, home.percorso("run/media/cliente")});

  EXPECT_EQ(Nomi(albero), "Cartella Home,Immagini,Scrivania,CHIAVETTA,File system");
  EXPECT_EQ(AlberoCartelle::CartellaIniziale(), home.percorso("Pictures"));
  // Nothing is listed before it is opened.
  EXPECT_EQ(albero.model()->rowCount(albero.model()->index(0, 0)), 0);

  ASSERT_TRUE(albero.ImpostaCartella(home.percorso("Pictures/vacanze")));
  EXPECT_EQ(albero.CartellaSelezionata(), home.percorso("Pictures/vacanze"));
  EXPECT_EQ(RadiceSelezionata(albero), QStringLiteral("Immagini"));
  ASSERT_TRUE(albero.ImpostaCartella(home.percorso("media/cliente/CHIAVETTA")));
  EXPECT_EQ(RadiceSelezionata(albero), QStringLiteral("CHIAVETTA"));
  // A hidden folder is not listed, but can still be chosen.
  ASSERT_TRUE(albero.ImpostaCartella(home.percorso(".nascosta")));
  EXPECT_EQ(Nomi(albero, albero.model()->index(0, 0)), "Desktop,media,Pictures,.nascosta");
  EXPECT_FALSE(albero.ImpostaCartella(home.percorso("manca")));
}

TEST(AlberoCartelle, AFolderIsListedByATaskUnderTheBusyPointer) {
  HomeProva home;
  home.crea("Pictures/b");
  home.crea("Pictures/a");
  AlberoCartelle albero(nullptr, {});
  const QModelIndex immagini = albero.model()->index(1, 0);
  ASSERT_EQ(immagini.data().toString(), QStringLiteral("Immagini"));
  albero.model()->fetchMore(immagini);
  // A phone's folder may take seconds: the tree goes on meanwhile.
  EXPECT_EQ(albero.model()->rowCount(immagini), 0);
  EXPECT_EQ(albero.viewport()->cursor().shape(), Qt::BusyCursor);
  ASSERT_TRUE(AttendiFinche([&] { return albero.model()->rowCount(immagini) == 2; }));
  EXPECT_EQ(Nomi(albero, immagini), "a,b");
  EXPECT_EQ(albero.viewport()->cursor().shape(), Qt::ArrowCursor);
}

TEST(AlberoCartelle, MediaPluggedInAfterTheStartAppearAndUnpluggedOnesGo) {
  HomeProva home;
  home.crea("media/cliente");
  AlberoCartelle albero(nullptr, {home.percorso("media/cliente"), home.percorso("run/media/cliente")});
  // Without pictures or desktop folders: the home, and the whole file system for the rest.
  EXPECT_EQ(Nomi(albero), "Cartella Home,File system");
  EXPECT_EQ(AlberoCartelle::CartellaIniziale(), home.dir.path());
  QTemporaryDir altrove;
  ASSERT_TRUE(albero.ImpostaCartella(altrove.path()));
  EXPECT_EQ(RadiceSelezionata(albero), QStringLiteral("File system"));

  home.crea("media/cliente/FOTO 2024");
  // The second root does not exist yet: its parent is watched until it does.
  home.crea("run/media/cliente/SCHEDA");
  ASSERT_TRUE(AttendiFinche([&] { return albero.model()->rowCount() == 4; }));
  EXPECT_EQ(Nomi(albero), "Cartella Home,FOTO 2024,SCHEDA,File system");
  // The folder being browsed stays selected.
  EXPECT_EQ(albero.CartellaSelezionata(), altrove.path());

  ASSERT_TRUE(QDir(home.percorso("media/cliente/FOTO 2024")).removeRecursively());
  ASSERT_TRUE(AttendiFinche([&] { return albero.model()->rowCount() == 3; }));
  EXPECT_EQ(Nomi(albero), "Cartella Home,SCHEDA,File system");
}

TEST(AlberoCartelle, APhonePluggedInAfterTheStartShowsByItsDeviceName) {
  HomeProva home;
  home.crea("run/user/gvfs");
  AlberoCartelle albero(nullptr, {home.percorso("run/user/gvfs")});
  EXPECT_EQ(Nomi(albero), "Cartella Home,File system");
  home.crea("run/user/gvfs/mtp:host=Apple_iPhone_di_Anna/Internal Storage/DCIM");
  home.crea("run/user/gvfs/gphoto2:host=%5Busb%3A001%2C005%5D");
  ASSERT_TRUE(AttendiFinche([&] { return albero.model()->rowCount() == 4; }));
  // A bus address is no name: the mount's own stands.
  EXPECT_EQ(Nomi(albero), "Cartella Home,gphoto2:host=%5Busb%3A001%2C005%5D,Apple iPhone di Anna,File system");
  ASSERT_TRUE(
      albero.ImpostaCartella(home.percorso("run/user/gvfs/mtp:host=Apple_iPhone_di_Anna/Internal Storage/DCIM")));
  EXPECT_EQ(RadiceSelezionata(albero), QStringLiteral("Apple iPhone di Anna"));
}

TEST(AlberoCartelle, TheDesktopsVirtualMountsAreAMediaRoot) {
  const QByteArray prima = qgetenv("XDG_RUNTIME_DIR");
  qputenv("XDG_RUNTIME_DIR", "/run/user/4242");
  EXPECT_TRUE(RadiciSupportiRimovibili().contains(QStringLiteral("/run/user/4242/gvfs")));
  if (prima.isNull())
    qunsetenv("XDG_RUNTIME_DIR");
  else
    qputenv("XDG_RUNTIME_DIR", prima);
}
