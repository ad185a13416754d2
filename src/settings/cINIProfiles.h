#pragma once
#include <QString>
#include <QList>
#include <QStringList>

// One value to write: its section, its key and the value.
struct VoceProfilo {
  QString sezione;
  QString chiave;
  QString valore;
};

// Reads and writes the sectioned settings files ("[section]", "key=value").
// Every call goes to the file at once; nothing is cached. Section and key names
// match without regard to letter case. Files are Windows-1252 text.
class cINIProfiles {
 public:
  // The value, or lpDefault when the file, section or key is missing; values
  // longer than 499 characters are cut to their first 499.
  QString GetPrivateProfileString(const QString& lpApplicationName, const QString& lpKeyName,
                                  const QString& lpDefault, const QString& lpFileName) const;

  // Creates the file, section and key as needed, or replaces the value in place;
  // the rest of the file stays as it was. Nonzero on success. The file is replaced
  // atomically, so a failed write leaves the old file whole.
  int WritePrivateProfileString(const QString& lpApplicationName, const QString& lpKeyName,
                                const QString& Valore, const QString& lpFileName) const;

  // Writes several values with one replacement of the file: after a crash the
  // file holds all of them or none. Nonzero on success.
  int WritePrivateProfileStrings(const QList<VoceProfilo>& voci, const QString& lpFileName) const;

  void DeletePrivateProfileKeyString(const QString& lpApplicationName, const QString& lpKeyName,
                                     const QString& lpFileName) const;

  // The key names of a section in file order; ResultCount receives their number.
  QStringList EnumPrivateProfileKeyString(const QString& lpApplicationName,
                                          const QString& lpFileName, int& ResultCount) const;
};
