#pragma once
#include <QString>
#include <QTemporaryDir>
#include <string>

// A medium the customer may pull out: a file-system image of the test's own on
// a loop device, mounted for the object's lifetime (ext2 by the kernel, exFAT
// through FUSE). Needs root, /dev/loop-control, the file system's tools and,
// for exFAT, /dev/fuse; motivo() says what is missing when montato() is false.
enum class FileSystemProva { Ext2, ExFat };

class SupportoRimovibile {
 public:
  // A new empty medium of that size.
  explicit SupportoRimovibile(FileSystemProva tipo, int megabyte = 16);
  // An existing image mounted read-only (a copy taken by Estrai).
  SupportoRimovibile(FileSystemProva tipo, const QString& immagine);
  // Unmounts and detaches the loop device, whatever the test did.
  ~SupportoRimovibile();
  SupportoRimovibile(const SupportoRimovibile&) = delete;
  SupportoRimovibile& operator=(const SupportoRimovibile&) = delete;

  bool montato() const { return motivo_.isEmpty(); }
  QString motivo() const { return motivo_; }
  QString percorso() const;  // the mount point, ends in "/"

  // Copies the image as it is now, without unmounting or flushing anything:
  // what a medium pulled out at this moment holds. Returns the copy's path.
  QString Estrai();
  // The file system's own check (read-only) of an image: empty when it is
  // clean, else the checker's report.
  static QString Controlla(FileSystemProva tipo, const QString& immagine);

 private:
  void Monta(const QString& immagine, bool soloLettura);

  FileSystemProva tipo_;
  QTemporaryDir dir_;
  QString loop_;
  bool montatoPunto_ = false;
  QString motivo_;
};

// A file's bytes, or why they could not be read (a file on a medium pulled out
// too early may have a name and no readable content).
std::string LeggiDalSupporto(const QString& percorso);
