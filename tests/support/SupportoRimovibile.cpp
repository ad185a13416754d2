#include "support/SupportoRimovibile.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

// The system tools live in sbin, which a test's PATH may lack.
QString Strumento(const QString& nome) {
  return QStandardPaths::findExecutable(nome, {"/usr/sbin", "/sbin", "/usr/bin", "/bin"});
}

// Runs a tool to its end; its exit code (-1 when it could not run) and its
// output and errors together.
int Esegui(const QString& nome, const QStringList& argomenti, QString* uscita = nullptr) {
  QProcess processo;
  processo.setProcessChannelMode(QProcess::MergedChannels);
  processo.start(Strumento(nome), argomenti);
  if (!processo.waitForFinished(60000) || processo.exitStatus() != QProcess::NormalExit) return -1;
  if (uscita) *uscita = QString::fromLocal8Bit(processo.readAll()).trimmed();
  return processo.exitCode();
}

QStringList StrumentiNecessari(FileSystemProva tipo) {
  if (tipo == FileSystemProva::Ext2) return {"losetup", "mount", "umount", "mkfs.ext2", "e2fsck"};
  return {"losetup", "umount", "mkfs.exfat", "fsck.exfat", "mount.exfat-fuse"};
}

QString MotivoPerSaltare(FileSystemProva tipo) {
  if (::geteuid() != 0) return QStringLiteral("attaching a loop device and mounting need root");
  if (!QFileInfo::exists(QStringLiteral("/dev/loop-control"))) return QStringLiteral("no /dev/loop-control");
  if (tipo == FileSystemProva::ExFat && !QFileInfo::exists(QStringLiteral("/dev/fuse")))
    return QStringLiteral("no /dev/fuse for exfat-fuse");
  for (const QString& strumento : StrumentiNecessari(tipo))
    if (Strumento(strumento).isEmpty()) return strumento + QStringLiteral(" is not installed (tools/setup.sh)");
  return {};
}

}  // namespace

SupportoRimovibile::SupportoRimovibile(FileSystemProva tipo, int megabyte) : tipo_(tipo) {
  motivo_ = MotivoPerSaltare(tipo);
  if (!montato()) return;
  const QString immagine = dir_.filePath(QStringLiteral("supporto.img"));
  QFile file(immagine);
  if (!file.open(QIODevice::WriteOnly) || !file.resize(qint64{megabyte} << 20)) {
    motivo_ = QStringLiteral("cannot make the image file");
    return;
  }
  file.close();
  QString uscita;
  const int formattato = tipo == FileSystemProva::Ext2 ? Esegui("mkfs.ext2", {"-q", "-F", immagine}, &uscita)
                                                       : Esegui("mkfs.exfat", {immagine}, &uscita);
  if (formattato != 0) {
    motivo_ = QStringLiteral("formatting failed: ") + uscita;
    return;
  }
  Monta(immagine, false);
}

SupportoRimovibile::SupportoRimovibile(FileSystemProva tipo, const QString& immagine) : tipo_(tipo) {
  motivo_ = MotivoPerSaltare(tipo);
  if (montato()) Monta(immagine, true);
}

void SupportoRimovibile::Monta(const QString& immagine, bool soloLettura) {
  QString uscita;
  QStringList argomenti{"--find", "--show"};
  if (soloLettura) argomenti << "--read-only";
  if (Esegui("losetup", argomenti << immagine, &uscita) != 0) {
    motivo_ = QStringLiteral("no loop device: ") + uscita;
    return;
  }
  loop_ = uscita;
  QDir().mkdir(dir_.filePath(QStringLiteral("punto")));
  const QString opzioni = soloLettura ? QStringLiteral("ro") : QStringLiteral("rw");
  const int esito = tipo_ == FileSystemProva::Ext2
                        ? Esegui("mount", {"-t", "ext2", "-o", opzioni, loop_, percorso()}, &uscita)
                        : Esegui("mount.exfat-fuse", {"-o", opzioni, loop_, percorso()}, &uscita);
  montatoPunto_ = esito == 0;
  if (!montatoPunto_) motivo_ = QStringLiteral("mounting failed: ") + uscita;
}

SupportoRimovibile::~SupportoRimovibile() {
  if (montatoPunto_ && Esegui("umount", {percorso()}) != 0) Esegui("umount", {"--lazy", percorso()});
  if (!loop_.isEmpty()) Esegui("losetup", {"--detach", loop_});
}

QString SupportoRimovibile::percorso() const { return dir_.filePath(QStringLiteral("punto")) + u'/'; }

QString SupportoRimovibile::Estrai() {
  const QString copia = dir_.filePath(QStringLiteral("estratto.img"));
  QFile::remove(copia);
  return QFile::copy(dir_.filePath(QStringLiteral("supporto.img")), copia) ? copia : QString();
}

QString SupportoRimovibile::Controlla(FileSystemProva tipo, const QString& immagine) {
  QString uscita;
  const int esito = tipo == FileSystemProva::Ext2 ? Esegui("e2fsck", {"-fn", immagine}, &uscita)
                                                  : Esegui("fsck.exfat", {"-n", immagine}, &uscita);
  return esito == 0 ? QString() : QStringLiteral("exit code %1:\n").arg(esito) + uscita;
}

std::string LeggiDalSupporto(const QString& percorso) {
  QFile file(percorso);
  if (!file.open(QIODevice::ReadOnly)) return "not readable: " + file.errorString().toStdString();
  const QByteArray byte = file.readAll();
  return file.error() == QFileDevice::NoError ? byte.toStdString() : "read failed: " + file.errorString().toStdString();
}
