#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// A top-level entry of the folder tree.
struct RadiceCartella {
  enum class Tipo { Home, Immagini, Scrivania, Supporto, FileSystem };
  Tipo tipo;
  QString nome;
  QString percorso;

  bool operator==(const RadiceCartella&) const = default;
};

// The folders under which the desktop mounts removable media, phones and
// cameras for this user.
QStringList RadiciSupportiRimovibili();

// The mounted media: one entry per folder inside the media roots, labelled by
// the desktop's name for the mount, else by its folder name (a phone's by the
// device name in it), in folder name order. GUI thread only, as the desktop's
// mounts are asked there.
QList<RadiceCartella> SupportiMontati(const QStringList& radiciSupporti);

// The top-level entries, in order: home, pictures and desktop (when they exist
// and are not the home itself), the mounted media, the whole file system.
QList<RadiceCartella> RadiciCartelle(const QStringList& radiciSupporti);

// The entry whose folder holds the path most closely; -1 when none does.
qsizetype RadicePiuVicina(const QList<RadiceCartella>& radici, const QString& percorso);
