#include "support/SenzaPermessiRoot.h"

#include <QFile>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

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

}  // namespace

SenzaPermessiRoot::SenzaPermessiRoot() {
  if (geteuid() == 0) abbassati_ = Modifica(true);
}

SenzaPermessiRoot::~SenzaPermessiRoot() {
  if (abbassati_) Modifica(false);
}

CartellaSoloLettura::CartellaSoloLettura(const QString& cartella) : cartella_(cartella) {
  QFile::setPermissions(cartella_, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
}

CartellaSoloLettura::~CartellaSoloLettura() {
  QFile::setPermissions(cartella_, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
