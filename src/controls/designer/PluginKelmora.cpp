#include "controls/designer/PluginKelmora.h"

#include "controls/KvContenitore.h"
#include "controls/KvSeparatore.h"
#include "controls/NuovoControllo.h"

PluginControlloKelmora::PluginControlloKelmora(Descrizione descrizione, QObject* genitore)
    : QObject(genitore), d_(std::move(descrizione)) {}

QString PluginControlloKelmora::includeFile() const {
  return QStringLiteral("controls/") + d_.classe + QStringLiteral(".h");
}

QString PluginControlloKelmora::domXml() const {
  return QStringLiteral("<ui language=\"c++\"><widget class=\"%1\" name=\"%2\"/></ui>")
      .arg(d_.classe, d_.nomeOggetto);
}

RaccoltaKelmora::RaccoltaKelmora(QObject* genitore) : QObject(genitore) {
  // A control placed from the designer is a newly placed one; a saved form
  // then applies its own values over these defaults.
  controlli_.append(new PluginControlloKelmora(
      {QStringLiteral("KvContenitore"), QStringLiteral("kvContenitore"),
       QStringLiteral("Contenitore con cornice"), true,
       &NuovoControlloPosato<KvContenitore>},
      this));
  controlli_.append(new PluginControlloKelmora(
      {QStringLiteral("KvSeparatore"), QStringLiteral("sepSeparatore"),
       QStringLiteral("Separatore con didascalia"), false,
       &NuovoControlloPosato<KvSeparatore>},
      this));
}
