#include "album/SelettoriFormato.h"

#include <array>

#include "album/CatalogoFormati.h"

SelettoriFormato::SelettoriFormato(CatalogoFormati& catalogo, QObject* parent)
    : QObject(parent),
      catalogo_(catalogo),
      copia_(catalogo,
             {QStringLiteral("chkFormatiCopia"), QStringLiteral("cmbFormatiCopia"),
              QStringLiteral("lblFormatiCopia"), QStringLiteral("Copia fotografie nel formato: "),
              QStringLiteral("Formato fotografico per copia")}),
      foto_(catalogo,
            {QStringLiteral("chkFormatiFoto"), QStringLiteral("cmbFormatiFoto"),
             QStringLiteral("lblFormatiFoto"), QStringLiteral("Filtra fotografie con formato: "),
             QStringLiteral("Formato fotografico per filtro")}),
      operazioni_(catalogo,
                  {QStringLiteral("chkFormatiOperazioni"), QStringLiteral("cmbFormatiOperazioni"),
                   QStringLiteral("lblFormatiOperazioni"),
                   QStringLiteral("Copia o sposta fotografie nel formato: "),
                   QStringLiteral("Formato fotografico per copia e sposta")}) {
  connect(&foto_, &SceltaFormato::formatoScelto, this, [this] {
    if (formatiCaricati_) Q_EMIT ricaricaVistaFormato();
  });
}

void SelettoriFormato::CaricaFormatiFotografici(bool MantieniFormato) {
  formatiCaricati_ = false;
  // The filling order of the lists, which is also the order of their events.
  const std::array<SceltaFormato*, 3> liste{&foto_, &operazioni_, &copia_};
  std::array<QString, 3> testi;
  std::array<bool, 3> caselle{};
  for (std::size_t i = 0; i < liste.size(); ++i) {
    testi[i] = liste[i]->formato();
    caselle[i] = liste[i]->amatoriale();
    liste[i]->Svuota();
  }
  catalogo_.CaricaFormati();
  for (const QString& id : catalogo_.IdFormati(1))
    for (SceltaFormato* lista : liste) lista->AggiungiFormato(id);

  if (MantieniFormato) {
    // Each value change refilters its list, so this leaves every list filtered
    // by its own remembered check box whatever the boxes showed before.
    for (bool valore : {false, true})
      for (SceltaFormato* lista : liste) lista->ImpostaAmatoriale(valore);
    for (std::size_t i = 0; i < liste.size(); ++i) liste[i]->ImpostaAmatoriale(caselle[i]);
    for (std::size_t i = 0; i < liste.size(); ++i) liste[i]->ImpostaFormato(testi[i]);
  } else {
    for (SceltaFormato* lista : liste) lista->ImpostaFormato(catalogo_.FormatoDefault());
  }
  if (foto_.formato().isEmpty())
    for (SceltaFormato* lista : liste) lista->ScegliPrimo();
  formatiCaricati_ = true;
}
