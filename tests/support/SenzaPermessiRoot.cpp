#include "support/SenzaPermessiRoot.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <linux/capability.h>
#include <signal.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>

namespace {

constexpr unsigned kCapacita[] = {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER};

bool Modifica(bool togli) {
  __user_cap_header_struct testa{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct dati[2]{};
  if (syscall(SYS_capget, &testa, dati) != 0) return false;
  for (unsigned c : kCapacita) {
    const unsigned bit = 1u << (c % 32);
    if (togli)
      dati[c / 32].effective &= ~bit;
    else
      dati[c / 32].effective |= dati[c / 32].permitted & bit;
  }
  return syscall(SYS_capset, &testa, dati) == 0;
}

// Capabilities belong to each thread: the threads of the task pool, started
// earlier, are asked through a signal to change theirs too.
std::atomic<int> threadInAttesa{0};
std::atomic<bool> togliNelGestore{false};

// GLib's worker threads block every signal; they never write files, and waiting
// for their answer would only run out the time.
bool BloccaSegnale(const QString& thread, int segnale) {
  QFile stato(QStringLiteral("/proc/self/task/%1/status").arg(thread));
  if (!stato.open(QIODevice::ReadOnly)) return false;
  for (const QByteArray& riga : stato.readAll().split('\n')) {
    if (!riga.startsWith("SigBlk:")) continue;
    const unsigned long long maschera = riga.mid(7).trimmed().toULongLong(nullptr, 16);
    return (maschera >> (segnale - 1)) & 1u;
  }
  return false;
}

void CambiaNelThread(int) {
  Modifica(togliNelGestore);
  --threadInAttesa;
}

bool ModificaOvunque(bool togli) {
  const bool riuscito = Modifica(togli);
  const int segnale = SIGRTMIN + 5;
  struct sigaction gestore {};
  struct sigaction precedente {};
  gestore.sa_handler = CambiaNelThread;
  sigemptyset(&gestore.sa_mask);
  sigaction(segnale, &gestore, &precedente);
  togliNelGestore = togli;
  const QString io = QString::number(syscall(SYS_gettid));
  for (const QString& thread : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    if (thread == io || BloccaSegnale(thread, segnale)) continue;
    ++threadInAttesa;
    if (syscall(SYS_tgkill, getpid(), thread.toInt(), segnale) != 0) --threadInAttesa;
  }
  QElapsedTimer attesa;
  attesa.start();
  while (threadInAttesa > 0 && attesa.elapsed() < 2000) QThread::usleep(100);
  sigaction(segnale, &precedente, nullptr);
  return riuscito;
}

}  // namespace

SenzaPermessiRoot::SenzaPermessiRoot() {
  if (geteuid() == 0) abbassati_ = ModificaOvunque(true);
}

SenzaPermessiRoot::~SenzaPermessiRoot() {
  if (abbassati_) ModificaOvunque(false);
}

CartellaSoloLettura::CartellaSoloLettura(const QString& cartella) : cartella_(cartella) {
  QFile::setPermissions(cartella_, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
}

CartellaSoloLettura::~CartellaSoloLettura() {
  QFile::setPermissions(cartella_, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
