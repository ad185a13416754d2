#include "thumbview/SpunteVista.h"

#include <QAccessible>
#include <QCheckBox>
#include <QWidget>

#include "thumbview/CaselleSelezione.h"

SpunteVista::SpunteVista(QWidget& vista, ElencoThumbs& thumbs, CaselleSelezione& caselle, Ridisegno ridisegno)
    : vista_(vista), thumbs_(thumbs), caselle_(caselle), ridisegno_(std::move(ridisegno)) {
  QObject::connect(&caselle_, &CaselleSelezione::commutata, &vista_,
                   [this](int indice, bool stato) { SegnaSelezione(indice, stato); });
}

void SpunteVista::CheckaTutto(bool Valore) {
  for (int i = 0; i < thumbs_.Totale(); ++i) ImpostaSelezione(i, Valore);
}

void SpunteVista::ImpostaSelezione(int indice, bool selezionata) {
  SegnaSelezione(indice, selezionata);
  if (QCheckBox* casella = CasellaThumb(indice)) casella->setChecked(selezionata);
}

QCheckBox* SpunteVista::CasellaThumb(int indice) const { return caselle_.CasellaMostrata(indice); }

// Every road that changes a check (box, keyboard, assistive technology) ends here.
void SpunteVista::SegnaSelezione(int indice, bool selezionata) {
  // Checking thousands of photos at once builds no events nobody listens to.
  if (!thumbs_.ImpostaSelezione(indice, selezionata) || !QAccessible::isActive()) return;
  QAccessible::State cambiato;
  cambiato.checked = true;
  QAccessibleStateChangeEvent evento(&vista_, cambiato);
  evento.setChild(indice);
  QAccessible::updateAccessibility(&evento);
}

void SpunteVista::CancellaThumbSelezionate() {
  if (thumbs_.RimuoviSelezionate()) ridisegno_.rimosse();
}

void SpunteVista::ImpostaSuSelezionate(const std::function<void(DatiThumb&)>& imposta) {
  if (thumbs_.ModificaSelezionate(imposta)) ridisegno_.modificate();
}

void SpunteVista::ImpostaNumeroFotoThumbSelezionate(std::int16_t NumeroFoto) {
  ImpostaSuSelezionate([NumeroFoto](DatiThumb& thumb) { thumb.NumeroFoto = NumeroFoto; });
}

void SpunteVista::ImpostaRidimensionamentoThumbSelezionate(const QString& Ridimensionamento) {
  ImpostaSuSelezionate(
      [&Ridimensionamento](DatiThumb& thumb) { thumb.Ridimensionamento = Ridimensionamento; });
  ridisegno_.cartaCambiata();
}
