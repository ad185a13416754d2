#include "ordine/CopiaNelLavoro.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "album/CopiaConvertita.h"
#include "common/CopiaRapida.h"
#include "immagini/EstensioniFoto.h"

namespace {

// What is known of a copy: read by this task, else handed in. The notes handed
// in are the order's own, shared and never written here, so no step copies them.
ImprontaFile Nota(const CopiaDaFare& daFare, const CopiaFatta& fatta, const QString& copia) {
  const auto letta = fatta.lette.constFind(copia);
  return letta != fatta.lette.cend() ? *letta : daFare.note.value(copia);
}

// The sizes of the copies not known yet.
void LeggiDimensioni(const CopiaDaFare& daFare, CopiaFatta& fatta) {
  for (const QString& copia : daFare.copieDelFormato) {
    if (daFare.note.contains(copia)) continue;
    const QFileInfo file(copia);
    fatta.lette.insert(copia, ImprontaFile{file.exists() ? file.size() : -1, {}});
  }
}

bool ForseDoppia(const CopiaDaFare& daFare, const CopiaFatta& fatta, qint64 dimensione) {
  return std::any_of(daFare.copieDelFormato.cbegin(), daFare.copieDelFormato.cend(),
                     [&](const QString& copia) { return Nota(daFare, fatta, copia).dimensione == dimensione; });
}

bool NelFormato(const CopiaDaFare& daFare, CopiaFatta& fatta) {
  for (const QString& copia : daFare.copieDelFormato) {
    ImprontaFile nota = Nota(daFare, fatta, copia);
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
  if (DaConvertirePerLaboratorio(daFare.foto)) {
    // The lab's JPEG; the duplicate check compares the customer's original.
    if (!CopiaConvertita(daFare.foto, daFare.copia, &fatta.impronta)) {
      fatta.esito = CopiaFatta::Esito::NonRiuscita;
      return fatta;
    }
    if (daFare.controllaDoppie) {
      LeggiDimensioni(daFare, fatta);
      fatta.doppia = NelFormato(daFare, fatta);
    }
    return fatta;
  }
  if (daFare.controllaDoppie) LeggiDimensioni(daFare, fatta);
  if (!daFare.controllaDoppie || !ForseDoppia(daFare, fatta, foto.size())) {
    if (!CopiaRapida(daFare.foto, daFare.copia)) fatta.esito = CopiaFatta::Esito::NonRiuscita;
    return fatta;
  }
  const auto presa = CopiaConImpronta(daFare.foto, daFare.copia);
  if (!presa) {
    fatta.esito = CopiaFatta::Esito::NonRiuscita;
    return fatta;
  }
  fatta.impronta = *presa;
  fatta.doppia = NelFormato(daFare, fatta);
  return fatta;
}
