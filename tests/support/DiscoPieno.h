#pragma once
#include <QString>
#include <QTemporaryDir>

// A small file system of the test's own (a tmpfs mounted for its lifetime), to
// fill up like a full disk. Mounting needs root; valido() tells whether it worked.
class DiscoPieno {
 public:
  explicit DiscoPieno(qint64 dimensione = 8 << 20);
  ~DiscoPieno();
  DiscoPieno(const DiscoPieno&) = delete;
  DiscoPieno& operator=(const DiscoPieno&) = delete;

  bool valido() const { return montato_; }
  QString percorso() const;  // ends in "/"
  // Takes the free space with one file, all of it or all but about `lascia`
  // bytes; Svuota gives it back.
  void Riempi(qint64 lascia = 0);
  void Svuota();

 private:
  QTemporaryDir punto_;
  bool montato_ = false;
};
