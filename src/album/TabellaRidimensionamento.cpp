#include "album/TabellaRidimensionamento.h"

const QList<ModoRidimensionamento>& TabellaRidimensionamento() {
  static const QList<ModoRidimensionamento> tabella{
      {0, QStringLiteral("FILLIN"), QStringLiteral("Fill-In")},
      {1, QStringLiteral("FITIN"), QStringLiteral("Fit-in")},
      {2, QStringLiteral("NONE"), QStringLiteral("Nessuno")},
  };
  return tabella;
}

QString DescrizioneRidimensionamento(const QString& chiave) {
  for (const ModoRidimensionamento& modo : TabellaRidimensionamento())
    if (modo.chiave == chiave) return modo.etichetta;
  return {};
}

QString ChiaveRidimensionamento(std::int16_t codice) {
  for (const ModoRidimensionamento& modo : TabellaRidimensionamento())
    if (modo.codice == codice) return modo.chiave;
  return {};
}

Adattamento AdattamentoRidimensionamento(const QString& chiaveOEtichetta) {
  const ModoRidimensionamento& contieni = TabellaRidimensionamento().at(1);
  return chiaveOEtichetta == contieni.chiave || chiaveOEtichetta == contieni.etichetta ? Adattamento::Contieni
                                                                                         : Adattamento::Riempi;
}
