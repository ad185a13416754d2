#include "support/ProcessoFiglio.h"

#include <QDeadlineTimer>
#include <QThread>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

ProcessoFiglio::ProcessoFiglio(const QString& programma, const QStringList& argomenti, const QString& erroriSu) {
  int ingresso[2];
  int uscita[2];
  if (pipe2(ingresso, O_CLOEXEC) != 0) return;
  if (pipe2(uscita, O_CLOEXEC) != 0) {
    close(ingresso[0]);
    close(ingresso[1]);
    return;
  }
  posix_spawn_file_actions_t azioni;
  posix_spawn_file_actions_init(&azioni);
  posix_spawn_file_actions_adddup2(&azioni, ingresso[0], STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&azioni, uscita[1], STDOUT_FILENO);
  const QByteArray errori = erroriSu.toLocal8Bit();
  if (!errori.isEmpty())
    posix_spawn_file_actions_addopen(&azioni, STDERR_FILENO, errori.constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
  QList<QByteArray> testi{programma.toLocal8Bit()};
  for (const QString& argomento : argomenti) testi.append(argomento.toLocal8Bit());
  std::vector<char*> argv;
  for (QByteArray& testo : testi) argv.push_back(testo.data());
  argv.push_back(nullptr);
  if (posix_spawn(&pid_, argv[0], &azioni, nullptr, argv.data(), environ) != 0) pid_ = -1;
  posix_spawn_file_actions_destroy(&azioni);
  close(ingresso[0]);
  close(uscita[1]);
  ingresso_ = ingresso[1];
  uscita_ = uscita[0];
}

ProcessoFiglio::~ProcessoFiglio() {
  Ferma(15000);
  if (uscita_ >= 0) close(uscita_);
}

QByteArray ProcessoFiglio::LeggiRiga(int msAttesa) {
  const QDeadlineTimer scadenza(msAttesa);
  while (!letti_.contains('\n') && uscita_ >= 0) {
    pollfd attesa{uscita_, POLLIN, 0};
    const int pronti = poll(&attesa, 1, static_cast<int>(scadenza.remainingTime()));
    if (pronti <= 0) break;
    char blocco[4096];
    const ssize_t n = read(uscita_, blocco, sizeof blocco);
    if (n <= 0) break;
    letti_.append(blocco, n);
  }
  const qsizetype fine = letti_.indexOf('\n');
  if (fine < 0) return {};
  const QByteArray riga = letti_.left(fine);
  letti_.remove(0, fine + 1);
  return riga;
}

void ProcessoFiglio::Ferma(int msAttesa) {
  if (ingresso_ >= 0) {
    close(ingresso_);
    ingresso_ = -1;
  }
  if (pid_ <= 0) return;
  const QDeadlineTimer scadenza(msAttesa);
  while (waitpid(pid_, nullptr, WNOHANG) == 0) {
    if (scadenza.hasExpired()) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
      break;
    }
    QThread::msleep(20);
  }
  pid_ = -1;
}
