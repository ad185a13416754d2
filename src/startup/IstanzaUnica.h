#pragma once
#include <QString>

// Holds an exclusive lock on a file in the program folder for as long as the
// program runs. The operating system drops the lock when the process ends, even
// after a crash, so a stale lock file never blocks the next start.
class IstanzaUnica {
 public:
  IstanzaUnica() = default;
  ~IstanzaUnica();
  IstanzaUnica(const IstanzaUnica&) = delete;
  IstanzaUnica& operator=(const IstanzaUnica&) = delete;

  // False when another running instance of the same program folder holds it.
  // A lock that cannot be created at all (read-only folder) does not stop the start.
  bool Acquisisci(const QString& percorsoBloccato);
  void Rilascia();

 private:
  int descrittore_ = -1;
};
