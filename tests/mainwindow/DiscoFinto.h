#pragma once
#include <QFileInfo>
#include <cerrno>

#include "mainwindow/CopiaFile.h"

// The disk calls of the verified copies replaced for the test's lifetime.
class DiscoFinto {
 public:
  DiscoFinto() = default;
  ~DiscoFinto() { Disco() = originali_; }
  DiscoFinto(const DiscoFinto&) = delete;
  DiscoFinto& operator=(const DiscoFinto&) = delete;

  const ChiamateDisco& originali() const { return originali_; }

 private:
  ChiamateDisco originali_ = Disco();
};

// The path an open descriptor refers to.
inline QString PercorsoDescrittore(int fd) {
  return QFileInfo(QStringLiteral("/proc/self/fd/%1").arg(fd)).symLinkTarget();
}

// A flush that fails as a medium pulled out would.
inline int FlushNonRiuscito() {
  errno = EIO;
  return -1;
}
