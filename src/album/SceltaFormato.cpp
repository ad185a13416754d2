#include "album/SceltaFormato.h"

#include "album/CatalogoFormati.h"

QString ToolTipFormatoAmatoriale(bool amatoriale) {
  return amatoriale
             ? QStringLiteral("Deseleziona per mostrare solamente i formati digitali professionali (3:2)")
             : QStringLiteral("Seleziona per mostrare solamente i formati digitali amatoriali (4:3)");
}

SceltaFormato::SceltaFormato(const CatalogoFormati& catalogo, DescrizioneSelettore descrizione,
                             QObject* parent)
    : QObject(parent), catalogo_(catalogo), descrizione_(std::move(descrizione)) {}

QString SceltaFormato::formato() const { return scelto_ >= 0 ? formati_.at(scelto_) : QString(); }

QString SceltaFormato::testoEtichetta() const {
  return descrizione_.prefissoEtichetta + catalogo_.getDescrizioneFormato(formato());
}

void SceltaFormato::ImpostaAmatoriale(bool valore) {
  if (valore == amatoriale_) return;
  amatoriale_ = valore;
  FiltraFormatoAmatoriale(valore ? 1 : 0);
}

bool SceltaFormato::ImpostaFormato(const QString& formato) {
  const qsizetype indice = formati_.indexOf(formato);
  if (indice < 0) return false;
  Scegli(indice);
  return true;
}

void SceltaFormato::ScegliPrimo() {
  if (!formati_.isEmpty()) Scegli(0);
}

void SceltaFormato::Svuota() {
  formati_.clear();
  scelto_ = -1;
  Q_EMIT cambiata();
}

void SceltaFormato::AggiungiFormato(const QString& formato) {
  formati_.append(formato);
  Q_EMIT cambiata();
}

void SceltaFormato::FiltraFormatoAmatoriale(std::int16_t Amatoriale) {
  formati_ = catalogo_.IdFormati(Amatoriale);
  scelto_ = -1;
  if (!ImpostaFormato(catalogo_.FormatoDefault())) ScegliPrimo();
  Q_EMIT cambiata();
}

void SceltaFormato::Scegli(qsizetype indice) {
  const bool nuovo = indice != scelto_;
  scelto_ = indice;
  Q_EMIT cambiata();
  if (nuovo) Q_EMIT formatoScelto(formato());
}
