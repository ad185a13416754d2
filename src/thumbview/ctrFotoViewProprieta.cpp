// The persisted properties and their bag.
#include "thumbview/GeometriaThumb.h"
#include "thumbview/SuperficieDisegno.h"
#include "thumbview/ctrFotoView.h"

namespace {
const QString kBackColor = QStringLiteral("BackColor");
const QString kFont = QStringLiteral("Font");
const QString kEnabled = QStringLiteral("Enabled");
const QString kMostraNumeroFoto = QStringLiteral("MostraNumeroFoto");
const QString kMostraFormatoFotografico = QStringLiteral("MostraFormatoFotografico");
}  // namespace

void ctrFotoView::Notifica(const QString& nome) {
  Q_EMIT proprietaCambiata(nome);
  Q_EMIT valoreCambiato();
}

QColor ctrFotoView::BackColor() const { return picSlide_->palette().color(QPalette::Window); }

void ctrFotoView::ImpostaBackColor(const QColor& colore) {
  QPalette tavolozza = picSlide_->palette();
  tavolozza.setColor(QPalette::Window, colore);
  picSlide_->setPalette(tavolozza);
  Notifica(kBackColor);
}

void ctrFotoView::ImpostaFont(const QFont& carattere) {
  // The caption font stays the one taken at creation.
  setFont(carattere);
  Notifica(kFont);
}

void ctrFotoView::ImpostaEnabled(bool abilitato) {
  setEnabled(abilitato);
  Notifica(kEnabled);
}

void ctrFotoView::ImpostaMostraNumeroFoto(bool mostra) {
  mostraNumeroFoto_ = mostra;
  altezzaCella_ = CalcolaAltezzaCella(mostraNumeroFoto_, mostraFormatoFotografico_);
  Notifica(kMostraNumeroFoto);
}

void ctrFotoView::ImpostaMostraFormatoFotografico(bool mostra) {
  mostraFormatoFotografico_ = mostra;
  altezzaCella_ = CalcolaAltezzaCella(mostraNumeroFoto_, mostraFormatoFotografico_);
  Notifica(kMostraFormatoFotografico);
}

QVariantMap ctrFotoView::ProprietaSalvate() const {
  return {{kBackColor, BackColor()},
          {kFont, Font()},
          {kEnabled, Enabled()},
          {kMostraNumeroFoto, MostraNumeroFoto()},
          {kMostraFormatoFotografico, MostraFormatoFotografico()}};
}

void ctrFotoView::LeggiProprieta(const QVariantMap& proprieta) {
  if (proprieta.contains(kBackColor)) ImpostaBackColor(proprieta.value(kBackColor).value<QColor>());
  if (proprieta.contains(kFont)) ImpostaFont(proprieta.value(kFont).value<QFont>());
  if (proprieta.contains(kEnabled)) ImpostaEnabled(proprieta.value(kEnabled).toBool());
  if (proprieta.contains(kMostraNumeroFoto))
    ImpostaMostraNumeroFoto(proprieta.value(kMostraNumeroFoto).toBool());
  if (proprieta.contains(kMostraFormatoFotografico))
    ImpostaMostraFormatoFotografico(proprieta.value(kMostraFormatoFotografico).toBool());
}
