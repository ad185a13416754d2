#pragma once
#include <QList>
#include <QString>
#include <cstdint>

#include "common/QualitaStampa.h"

// One resize mode: the key is stored in the album and the order file, the
// label is what the user sees.
struct ModoRidimensionamento {
  std::int16_t codice;
  QString chiave;
  QString etichetta;
};

// The three modes in code order; entry 0 is the default of new entries.
const QList<ModoRidimensionamento>& TabellaRidimensionamento();

// The label of a key; empty when the key is unknown.
QString DescrizioneRidimensionamento(const QString& chiave);
// The key of a code; empty when the code is unknown.
QString ChiaveRidimensionamento(std::int16_t codice);
// How a mode meets the paper, from its key (the album) or its label (the
// views): "Fit-in" inside it, the others covering it.
Adattamento AdattamentoRidimensionamento(const QString& chiaveOEtichetta);
