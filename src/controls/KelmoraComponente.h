#pragma once
// The Kelmora library as a component: what a holder needs to find, load and use
// it without linking it. Header-only, so the program can include it.
#include <QStandardPaths>
#include <QString>
#include <cstdint>

class QWidget;

// Result codes of the component entries, with the values hosts of such
// components know.
using KvRisultato = std::int32_t;
inline constexpr KvRisultato KV_S_OK = 0;
inline constexpr KvRisultato KV_S_FALSE = 1;
inline constexpr KvRisultato KV_E_FAIL = static_cast<KvRisultato>(0x80004005u);
inline constexpr KvRisultato KV_E_POINTER = static_cast<KvRisultato>(0x80004003u);
inline constexpr KvRisultato KV_E_NOINTERFACE = static_cast<KvRisultato>(0x80004002u);
inline constexpr KvRisultato KV_CLASS_E_CLASSNOTAVAILABLE = static_cast<KvRisultato>(0x80040111u);
inline constexpr KvRisultato KV_SELFREG_E_CLASS = static_cast<KvRisultato>(0x80040201u);

// Class identifiers of the two controls and of the factory interface.
inline constexpr const char* kClsidKvContenitore = "{0c8a4d9b-d2f3-4c01-a2c6-bc539f800df6}";
inline constexpr const char* kClsidKvSeparatore = "{cf9d8ce7-1499-48e5-b9d0-ebd2c8490cfe}";
inline constexpr const char* kIidFabbricaControlli = "{73c6f088-9862-496b-8b7d-48f19635a640}";

inline constexpr const char* kNomeKvContenitore = "Kelmora.KvContenitore";
inline constexpr const char* kNomeKvSeparatore = "Kelmora.KvSeparatore";
inline constexpr const char* kDescrizioneKelmora = "Raccolta di controlli";

// The library's file name, as it lies beside the program.
inline constexpr const char* kFileLibreriaKelmora = "libKelmora.so";

// Keys of one class entry of the component registry.
inline constexpr const char* kChiaveClsid = "CLSID";
inline constexpr const char* kChiaveLibreria = "Libreria";
inline constexpr const char* kChiaveDescrizione = "Descrizione";

// The component registry: a settings-format file with one section per
// registered class name. It lives in the user's configuration folder
// ($XDG_CONFIG_HOME, else ~/.config), so a test points XDG_CONFIG_HOME at a
// temporary folder to get a registry of its own.
inline QString PercorsoRegistroComponenti() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/Kelmora/RegistroComponenti.ini");
}

// The class object that DllGetClassObject hands out: it creates controls of
// its class. Release it with Rilascia once done.
class IKvFabbricaControlli {
 public:
  // The new control, with the defaults of a control newly placed on a window.
  virtual KvRisultato CreaIstanza(QWidget* genitore, QWidget** controllo) = 0;
  // While locked the library stays loadable even with no control alive.
  virtual KvRisultato BloccaServer(bool blocca) = 0;
  virtual void Rilascia() = 0;

 protected:
  ~IKvFabbricaControlli() = default;
};

// The signatures of the four entries, for hosts that resolve them by name.
extern "C" {
using FunzioneDllRegisterServer = KvRisultato (*)();
using FunzioneDllUnregisterServer = KvRisultato (*)();
using FunzioneDllGetClassObject = KvRisultato (*)(const char* clsid, const char* iid, void** oggetto);
using FunzioneDllCanUnloadNow = KvRisultato (*)();
}
