#pragma once

// A Secret Service of the test's own: a private D-Bus session bus (no service
// activation, so nothing else starts on it) and gnome-keyring-daemon on it,
// unlocked with an empty password, both ended with the test process. They
// live as long as the process because its connection, once made, stays with
// its bus and with the keyring it met there; the bus is named in
// DBUS_SESSION_BUS_ADDRESS before anything connects.
namespace ServizioSegretiProva {
// True once the keyring answers on the bus (started by the first call).
bool Avvia();
// From now on no keyring service answers on the bus.
void Ferma();
}  // namespace ServizioSegretiProva
