#include "common/MontaggiDesktop.h"

#include <gio/gio.h>

#include <memory>

namespace {

using Testo = std::unique_ptr<char, void (*)(gpointer)>;

}  // namespace

QList<MontaggioDesktop> MontaggiDesktop() {
  // Kept for the program's life: made once, then kept current by the main loop.
  static GVolumeMonitor* const monitor = g_volume_monitor_get();
  QList<MontaggioDesktop> montaggi;
  GList* elenco = g_volume_monitor_get_mounts(monitor);
  for (GList* voce = elenco; voce; voce = voce->next) {
    GMount* montaggio = G_MOUNT(voce->data);
    GFile* radice = g_mount_get_root(montaggio);
    const Testo percorso(g_file_get_path(radice), g_free);
    g_object_unref(radice);
    // A mount with no local folder (no FUSE bridge) cannot be one of ours.
    if (!percorso) continue;
    const Testo nome(g_mount_get_name(montaggio), g_free);
    montaggi.append({QString::fromLocal8Bit(percorso.get()), QString::fromUtf8(nome.get())});
  }
  g_list_free_full(elenco, g_object_unref);
  return montaggi;
}
