#include "ordine/CopiaNelLavoro.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "album/CopiaConvertita.h"
#include "common/CopiaRapida.h"
#include "immagini/EstensioniFoto.h"

namespace {

// The sizes of the copies not known yet.
void LeggiDimensioni(const CopiaDaFare& daFare, QHash<QString, ImprontaFile>& note, CopiaFatta& fatta) {
  for (const QString& copia : daFare.copieDelFormato) {
    if (note.contains(copia)) continue;
    const QFileInfo file(copia);
    const ImprontaFile nota{file.exists() ? file.size() : -1, {}};
    note.insert(copia, nota);
    fatta.lette.insert(copia, nota);
  }
}

bool NelFormato(const CopiaDaFare& daFare, QHash<QString, ImprontaFile>& note, CopiaFatta& fatta) {
  for (const QString& copia : daFare.copieDelFormato) {
    ImprontaFile& nota = note[copia];
    if (nota.dimensione != fatta.impronta.dimensione) continue;
    if (nota.md5.isEmpty()) {
      const auto letta = LeggiImpronta(copia);
      if (!letta) continue;
      nota = *letta;
      fatta.lette.insert(copia, nota);
    }
    if (nota == fatta.impronta) return true;
  }
  return false;
}

}  // namespace

CopiaFatta EseguiCopia(const CopiaDaFare& daFare) {
  CopiaFatta fatta;
  const QFileInfo foto(daFare.foto);
  if (!foto.isFile()) {
    fatta.esito = CopiaFatta::Esito::FotoMancante;
    return fatta;
  }
  QDir().mkpath(QFileInfo(daFare.copia).path());
  bool forseDoppia = false;
  QHash<QString, ImprontaFile> note = daFare.note;
  if (DaConvertirePerLaboratorio(daFare.foto)) {
    // The lab's JPEG; the duplicate check compares the customer's original.
    if (!CopiaConvertita(daFare.foto, daFare.copia, &fatta.impronta)) {
      fatta.esito = CopiaFatta::Esito::NonRiuscita;
      return fatta;
    }
    if (daFare.controllaDoppie) {
      LeggiDimensioni(daFare, note, fatta);
      fatta.doppia = NelFormato(daFare, note, fatta);
    }
    return fatta;
  }
  if (daFare.controllaDoppie) {
    LeggiDimensioni(daFare, note, fatta);
    for (const QString& copia : daFare.copieDelFormato) forseDoppia = forseDoppia || note[copia].dimensione == foto.size();
  }
  if (!forseDoppia) {
    if (!CopiaRapida(daFare.foto, daFare.copia)) fatta.esito = CopiaFatta::Esito::NonRiuscita;
    return fatta;
  }
  const auto presa = CopiaConImpronta(daFare.foto, daFare.copia);
  if (!presa) {
    fatta.esito = CopiaFatta::Esito::NonRiuscita;
    return fatta;
  }
  fatta.impronta = *presa;
  fatta.doppia = NelFormato(daFare, note, fatta);
  return fatta;
}
