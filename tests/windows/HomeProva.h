#pragma once
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>
#include <string>

#include "windows/AlberoCartelle.h"

// A home of its own for the desktop folders the folder tree looks up.
class HomeProva {
 public:
  HomeProva() : home_(qgetenv("HOME")), config_(qgetenv("XDG_CONFIG_HOME")) {
    qputenv("HOME", dir.path().toLocal8Bit());
    qunsetenv("XDG_CONFIG_HOME");
  }
  ~HomeProva() {
    qputenv("HOME", home_);
    if (config_.isEmpty())
      qunsetenv("XDG_CONFIG_HOME");
    else
      qputenv("XDG_CONFIG_HOME", config_);
  }
  QString percorso(const QString& relativo) const { return dir.filePath(relativo); }
  void crea(const QString& relativo) const { ASSERT_TRUE(QDir().mkpath(percorso(relativo))); }

  QTemporaryDir dir;

 private:
  QByteArray home_;
  QByteArray config_;
};

// The names under an entry of the tree (the top level by default), comma-separated.
inline std::string Nomi(const AlberoCartelle& albero, const QModelIndex& genitore = {}) {
  QStringList nomi;
  for (int riga = 0; riga < albero.model()->rowCount(genitore); ++riga)
    nomi.append(albero.model()->index(riga, 0, genitore).data().toString());
  return nomi.join(u',').toStdString();
}
