#include "ServizioSegretiProva.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <QProcess>
#include <QTemporaryDir>

namespace {

constexpr int kAttesaMs = 15000;

const char kConfigurazioneBus[] = R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=/tmp</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

bool SegretiSulBus() {
  QProcess domanda;
  domanda.start("dbus-send", {"--session", "--print-reply", "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                              "org.freedesktop.DBus.NameHasOwner", "string:org.freedesktop.secrets"});
  return domanda.waitForFinished(kAttesaMs) && domanda.readAllStandardOutput().contains("boolean true");
}

// A child process that ends with the test process.
struct Processo {
  QTemporaryDir cartella;
  QProcess processo;
  ~Processo() { Termina(); }
  void Termina() {
    if (processo.state() == QProcess::NotRunning) return;
    processo.terminate();
    processo.waitForFinished(kAttesaMs);
  }
};

QString AvviaBus(Processo& bus) {
  QFile configurazione(bus.cartella.filePath(QStringLiteral("bus.conf")));
  if (!configurazione.open(QIODevice::WriteOnly)) return {};
  configurazione.write(kConfigurazioneBus);
  configurazione.close();
  bus.processo.start("dbus-daemon",
                     {"--config-file=" + configurazione.fileName(), "--nofork", "--print-address=1"});
  if (!bus.processo.waitForReadyRead(kAttesaMs)) return {};
  const QByteArray indirizzo = bus.processo.readLine().trimmed();
  if (!indirizzo.isEmpty()) qputenv("DBUS_SESSION_BUS_ADDRESS", indirizzo);
  return QString::fromUtf8(indirizzo);
}

bool AvviaPortachiavi(Processo& portachiavi) {
  // Its keyrings and control socket in its own folder.
  QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
  ambiente.insert(QStringLiteral("HOME"), portachiavi.cartella.path());
  ambiente.insert(QStringLiteral("XDG_DATA_HOME"), portachiavi.cartella.filePath(QStringLiteral("dati")));
  ambiente.insert(QStringLiteral("XDG_RUNTIME_DIR"), portachiavi.cartella.path());
  portachiavi.processo.setProcessEnvironment(ambiente);
  portachiavi.processo.start("gnome-keyring-daemon", {"--foreground", "--unlock", "--components=secrets"});
  if (!portachiavi.processo.waitForStarted(kAttesaMs)) return false;
  // --unlock reads the login keyring's password from stdin, up to the line's end:
  // an empty one. With no line at all it makes no keyring.
  portachiavi.processo.write("\n");
  portachiavi.processo.waitForBytesWritten(kAttesaMs);
  portachiavi.processo.closeWriteChannel();
  const QDeadlineTimer scadenza(kAttesaMs);
  while (!SegretiSulBus()) {
    if (scadenza.hasExpired() || portachiavi.processo.state() == QProcess::NotRunning) return false;
    QThread::msleep(50);
  }
  return true;
}

// Made on first use, in this order, and ended in the reverse one.
Processo& Bus() {
  static Processo bus;
  return bus;
}
Processo& Portachiavi() {
  static Processo portachiavi;
  return portachiavi;
}

}  // namespace

bool ServizioSegretiProva::Avvia() {
  static const bool bus = !AvviaBus(Bus()).isEmpty();
  static const bool avviato = bus && AvviaPortachiavi(Portachiavi());
  return avviato && Portachiavi().processo.state() == QProcess::Running;
}

void ServizioSegretiProva::Ferma() {
  Portachiavi().Termina();
  const QDeadlineTimer scadenza(kAttesaMs);
  while (SegretiSulBus() && !scadenza.hasExpired()) QThread::msleep(50);
}
