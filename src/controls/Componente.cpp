// The four entries that make the library a component: registration in the
// component registry, class objects, and whether the library may be unloaded.
#include <dlfcn.h>

#include <QFileInfo>
#include <QSettings>
#include <QString>

#include "controls/ContatoreModulo.h"
#include "controls/KelmoraComponente.h"
#include "controls/KelmoraEsporta.h"
#include "controls/KvContenitore.h"
#include "controls/KvSeparatore.h"
#include "controls/NuovoControllo.h"

namespace {

struct ClasseKelmora {
  const char* nome;
  const char* clsid;
  QWidget* (*crea)(QWidget* genitore);
};

const ClasseKelmora kClassi[] = {
    {kNomeKvContenitore, kClsidKvContenitore, &NuovoControlloPosato<KvContenitore>},
    {kNomeKvSeparatore, kClsidKvSeparatore, &NuovoControlloPosato<KvSeparatore>},
};

// The library file this code was loaded from.
QString PercorsoLibreria() {
  Dl_info informazioni{};
  if (dladdr(reinterpret_cast<void*>(&PercorsoLibreria), &informazioni) == 0 ||
      !informazioni.dli_fname)
    return {};
  return QFileInfo(QString::fromLocal8Bit(informazioni.dli_fname)).absoluteFilePath();
}

KvRisultato Salva(QSettings& registro) {
  registro.sync();
  return registro.status() == QSettings::NoError ? KV_S_OK : KV_SELFREG_E_CLASS;
}

class FabbricaControlli final : public IKvFabbricaControlli {
 public:
  explicit FabbricaControlli(const ClasseKelmora& classe) : classe_(classe) {
    KvAggiungiRiferimento();
  }
  KvRisultato CreaIstanza(QWidget* genitore, QWidget** controllo) override {
    if (!controllo) return KV_E_POINTER;
    *controllo = classe_.crea(genitore);
    return KV_S_OK;
  }
  KvRisultato BloccaServer(bool blocca) override {
    blocca ? KvAggiungiRiferimento() : KvRilasciaRiferimento();
    return KV_S_OK;
  }
  void Rilascia() override {
    KvRilasciaRiferimento();
    delete this;
  }

 private:
  ~FabbricaControlli() = default;
  const ClasseKelmora& classe_;
};

}  // namespace

extern "C" {

KELMORA_EXPORT KvRisultato DllRegisterServer() {
  const QString libreria = PercorsoLibreria();
  if (libreria.isEmpty()) return KV_SELFREG_E_CLASS;
  QSettings registro(PercorsoRegistroComponenti(), QSettings::IniFormat);
  for (const ClasseKelmora& classe : kClassi) {
    registro.beginGroup(QString::fromLatin1(classe.nome));
    registro.setValue(QString::fromLatin1(kChiaveClsid), QString::fromLatin1(classe.clsid));
    registro.setValue(QString::fromLatin1(kChiaveLibreria), libreria);
    registro.setValue(QString::fromLatin1(kChiaveDescrizione), QString::fromUtf8(kDescrizioneKelmora));
    registro.endGroup();
  }
  return Salva(registro);
}

KELMORA_EXPORT KvRisultato DllUnregisterServer() {
  QSettings registro(PercorsoRegistroComponenti(), QSettings::IniFormat);
  for (const ClasseKelmora& classe : kClassi) registro.remove(QString::fromLatin1(classe.nome));
  return Salva(registro);
}

KELMORA_EXPORT KvRisultato DllGetClassObject(const char* clsid, const char* iid, void** oggetto) {
  if (!oggetto) return KV_E_POINTER;
  *oggetto = nullptr;
  if (!clsid || !iid) return KV_E_POINTER;
  for (const ClasseKelmora& classe : kClassi) {
    if (QString::fromLatin1(clsid).compare(QString::fromLatin1(classe.clsid), Qt::CaseInsensitive) != 0)
      continue;
    if (QString::fromLatin1(iid).compare(QString::fromLatin1(kIidFabbricaControlli), Qt::CaseInsensitive) != 0)
      return KV_E_NOINTERFACE;
    *oggetto = static_cast<IKvFabbricaControlli*>(new FabbricaControlli(classe));
    return KV_S_OK;
  }
  return KV_CLASS_E_CLASSNOTAVAILABLE;
}

KELMORA_EXPORT KvRisultato DllCanUnloadNow() {
  return KvRiferimentiVivi() == 0 ? KV_S_OK : KV_S_FALSE;
}

}  // extern "C"
