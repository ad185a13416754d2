#include "settings/FileProfilo.h"

#include "common/Ansi.h"

namespace {

bool ApreSezione(const QString& riga, QString* nome) {
  const QString t = riga.trimmed();
  if (!t.startsWith(u'[')) return false;
  const qsizetype chiusa = t.indexOf(u']');
  if (chiusa < 0) return false;
  if (nome) *nome = t.mid(1, chiusa - 1).trimmed();
  return true;
}

bool Commento(const QString& t) { return t.startsWith(u';') || t.startsWith(u'#'); }

// Splits "key = value" into its trimmed parts; false when the line holds no key.
bool ChiaveValore(const QString& riga, QString* chiave, QString* valore) {
  const QString t = riga.trimmed();
  if (t.isEmpty() || Commento(t)) return false;
  const qsizetype uguale = t.indexOf(u'=');
  if (uguale < 0) return false;
  if (chiave) *chiave = t.left(uguale).trimmed();
  if (valore) {
    QString v = t.mid(uguale + 1).trimmed();
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
      v = v.mid(1, v.size() - 2);
    *valore = v;
  }
  return true;
}

bool StessoNome(const QString& a, const QString& b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

FileProfilo FileProfilo::DaByte(const QByteArray& contenuto) {
  FileProfilo file;
  QString testo = DaAnsi(contenuto);
  if (testo.isEmpty()) return file;
  if (!testo.contains(QStringLiteral("\r\n")) && testo.contains(u'\n'))
    file.aCapo_ = QStringLiteral("\n");
  file.aCapoFinale_ = testo.endsWith(u'\n');
  testo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  file.righe_ = testo.split(u'\n');
  if (file.aCapoFinale_) file.righe_.removeLast();
  return file;
}

QByteArray FileProfilo::InByte() const {
  QString testo = righe_.join(aCapo_);
  if (!righe_.isEmpty() && aCapoFinale_) testo += aCapo_;
  return InAnsi(testo);
}

qsizetype FileProfilo::InizioSezione(const QString& sezione) const {
  QString nome;
  for (qsizetype i = 0; i < righe_.size(); ++i)
    if (ApreSezione(righe_[i], &nome) && StessoNome(nome, sezione)) return i;
  return -1;
}

qsizetype FileProfilo::FineSezione(qsizetype inizio) const {
  qsizetype i = inizio + 1;
  while (i < righe_.size() && !ApreSezione(righe_[i], nullptr)) ++i;
  return i;
}

qsizetype FileProfilo::RigaChiave(qsizetype inizio, qsizetype fine, const QString& chiave) const {
  QString nome;
  for (qsizetype i = inizio + 1; i < fine; ++i)
    if (ChiaveValore(righe_[i], &nome, nullptr) && StessoNome(nome, chiave)) return i;
  return -1;
}

std::optional<QString> FileProfilo::Valore(const QString& sezione, const QString& chiave) const {
  const qsizetype inizio = InizioSezione(sezione);
  if (inizio < 0) return std::nullopt;
  const qsizetype riga = RigaChiave(inizio, FineSezione(inizio), chiave);
  if (riga < 0) return std::nullopt;
  QString valore;
  ChiaveValore(righe_[riga], nullptr, &valore);
  return valore;
}

void FileProfilo::ImpostaValore(const QString& sezione, const QString& chiave,
                                const QString& valore) {
  // A line break in a value would split the line and lose the rest of it.
  QString pulito = valore;
  for (QChar& c : pulito)
    if (c == u'\r' || c == u'\n') c = u' ';
  qsizetype inizio = InizioSezione(sezione);
  if (inizio < 0) {
    righe_.append(QStringLiteral("[%1]").arg(sezione));
    righe_.append(chiave + u'=' + pulito);
    return;
  }
  const qsizetype fine = FineSezione(inizio);
  const qsizetype riga = RigaChiave(inizio, fine, chiave);
  if (riga >= 0) {
    QString nome;
    ChiaveValore(righe_[riga], &nome, nullptr);
    righe_[riga] = nome + u'=' + pulito;
    return;
  }
  // New keys go after the section's last non-blank line.
  qsizetype dopo = fine;
  while (dopo > inizio + 1 && righe_[dopo - 1].trimmed().isEmpty()) --dopo;
  righe_.insert(dopo, chiave + u'=' + pulito);
}

bool FileProfilo::RimuoviChiave(const QString& sezione, const QString& chiave) {
  const qsizetype inizio = InizioSezione(sezione);
  if (inizio < 0) return false;
  const qsizetype riga = RigaChiave(inizio, FineSezione(inizio), chiave);
  if (riga < 0) return false;
  righe_.removeAt(riga);
  return true;
}

QStringList FileProfilo::Chiavi(const QString& sezione) const {
  QStringList chiavi;
  const qsizetype inizio = InizioSezione(sezione);
  if (inizio < 0) return chiavi;
  const qsizetype fine = FineSezione(inizio);
  QString nome;
  for (qsizetype i = inizio + 1; i < fine; ++i)
    if (ChiaveValore(righe_[i], &nome, nullptr)) chiavi.append(nome);
  return chiavi;
}
