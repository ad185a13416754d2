#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// One settings file held as its lines, so that a write changes only the line
// it must and keeps comments, blank lines and other sections as they were.
class FileProfilo {
 public:
  static FileProfilo DaByte(const QByteArray& contenuto);
  QByteArray InByte() const;

  std::optional<QString> Valore(const QString& sezione, const QString& chiave) const;
  void ImpostaValore(const QString& sezione, const QString& chiave, const QString& valore);
  bool RimuoviChiave(const QString& sezione, const QString& chiave);
  QStringList Chiavi(const QString& sezione) const;

 private:
  // Index of the line that opens the section, or -1.
  qsizetype InizioSezione(const QString& sezione) const;
  // Index one past the section's last line.
  qsizetype FineSezione(qsizetype inizio) const;
  qsizetype RigaChiave(qsizetype inizio, qsizetype fine, const QString& chiave) const;

  QStringList righe_;
  QString aCapo_ = QStringLiteral("\r\n");
  bool aCapoFinale_ = true;
};
