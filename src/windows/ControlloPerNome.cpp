#include "windows/ControlloPerNome.h"

#include <QLibrary>
#include <QSettings>

#include "windows/Piattaforma.h"
#include "controls/KelmoraComponente.h"

namespace {

struct Registrazione {
  QString clsid;
  QString libreria;
};

Registrazione Registrata(const QString& nome) {
  QSettings registro(PercorsoRegistroComponenti(), QSettings::IniFormat);
  registro.beginGroup(nome);
  return {registro.value(QString::fromLatin1(kChiaveClsid)).toString(),
          registro.value(QString::fromLatin1(kChiaveLibreria)).toString()};
}

// The class identifier the library beside the program gives the name.
QString ClsidNoto(const QString& nome) {
  if (nome == QLatin1String(kNomeKvSeparatore)) return QString::fromLatin1(kClsidKvSeparatore);
  if (nome == QLatin1String(kNomeKvContenitore)) return QString::fromLatin1(kClsidKvContenitore);
  return {};
}

QWidget* CreaDaLibreria(const Registrazione& classe, QWidget* genitore) {
  if (classe.clsid.isEmpty() || classe.libreria.isEmpty()) return nullptr;
  // The library stays loaded for the rest of the run: its controls live in it.
  QLibrary libreria(classe.libreria);
  if (!libreria.load()) return nullptr;
  auto classeOggetto = reinterpret_cast<FunzioneDllGetClassObject>(libreria.resolve("DllGetClassObject"));
  if (!classeOggetto) return nullptr;
  void* oggetto = nullptr;
  const QByteArray clsid = classe.clsid.toLatin1();
  if (classeOggetto(clsid.constData(), kIidFabbricaControlli, &oggetto) != KV_S_OK || !oggetto)
    return nullptr;
  auto* fabbrica = static_cast<IKvFabbricaControlli*>(oggetto);
  QWidget* controllo = nullptr;
  if (fabbrica->CreaIstanza(genitore, &controllo) != KV_S_OK) controllo = nullptr;
  fabbrica->Rilascia();
  return controllo;
}

}  // namespace

QWidget* CreaControlloPerNome(const QString& nome, const PercorsiProgramma& percorsi,
                              QWidget* genitore) {
  if (QWidget* controllo = CreaDaLibreria(Registrata(nome), genitore)) return controllo;
  const Registrazione accanto{ClsidNoto(nome),
                              percorsi.PercorsoProgramma + QString::fromLatin1(kFileLibreriaKelmora)};
  if (QWidget* controllo = CreaDaLibreria(accanto, genitore)) return controllo;
  MsgBox(QStringLiteral("Impossibile creare il controllo %1: la libreria dei controlli Kelmora "
                        "non è registrata e non si trova nella cartella del programma.")
             .arg(nome),
         IconaMessaggio::Critica, PulsantiMessaggio::OK, genitore);
  return nullptr;
}
