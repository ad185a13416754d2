#include "thumbview/AspettoVista.h"

#include <QPalette>
#include <QWidget>

#include "thumbview/GeometriaThumb.h"

namespace {
const QString kBackColor = QStringLiteral("BackColor");
const QString kFont = QStringLiteral("Font");
const QString kEnabled = QStringLiteral("Enabled");
const QString kMostraNumeroFoto = QStringLiteral("MostraNumeroFoto");
const QString kMostraFormatoFotografico = QStringLiteral("MostraFormatoFotografico");
}  // namespace

AspettoVista::AspettoVista(QWidget& vista, QWidget& superficie) : vista_(vista), superficie_(superficie) {}

void AspettoVista::Notifica(const QString& nome) {
  Q_EMIT proprietaCambiata(nome);
  Q_EMIT valoreCambiato();
}

QColor AspettoVista::BackColor() const { return superficie_.palette().color(QPalette::Window); }

void AspettoVista::ImpostaBackColor(const QColor& colore) {
  QPalette tavolozza = superficie_.palette();
  tavolozza.setColor(QPalette::Window, colore);
  superficie_.setPalette(tavolozza);
  Notifica(kBackColor);
}

QFont AspettoVista::Font() const { return vista_.font(); }

void AspettoVista::ImpostaFont(const QFont& carattere) {
  // The caption font stays the one taken at creation.
  vista_.setFont(carattere);
  Notifica(kFont);
}

bool AspettoVista::Enabled() const { return vista_.isEnabled(); }

void AspettoVista::ImpostaEnabled(bool abilitato) {
  vista_.setEnabled(abilitato);
  Notifica(kEnabled);
}

void AspettoVista::ImpostaMostraNumeroFoto(bool mostra) {
  mostraNumeroFoto_ = mostra;
  Notifica(kMostraNumeroFoto);
}

void AspettoVista::ImpostaMostraFormatoFotografico(bool mostra) {
  mostraFormatoFotografico_ = mostra;
  Notifica(kMostraFormatoFotografico);
}

int AspettoVista::AltezzaCella() const {
  return CalcolaAltezzaCella(mostraNumeroFoto_, mostraFormatoFotografico_);
}

QVariantMap AspettoVista::ProprietaSalvate() const {
  return {{kBackColor, BackColor()},
          {kFont, Font()},
          {kEnabled, Enabled()},
          {kMostraNumeroFoto, MostraNumeroFoto()},
          {kMostraFormatoFotografico, MostraFormatoFotografico()}};
}

void AspettoVista::LeggiProprieta(const QVariantMap& proprieta) {
  if (proprieta.contains(kBackColor)) ImpostaBackColor(proprieta.value(kBackColor).value<QColor>());
  if (proprieta.contains(kFont)) ImpostaFont(proprieta.value(kFont).value<QFont>());
  if (proprieta.contains(kEnabled)) ImpostaEnabled(proprieta.value(kEnabled).toBool());
  if (proprieta.contains(kMostraNumeroFoto))
    ImpostaMostraNumeroFoto(proprieta.value(kMostraNumeroFoto).toBool());
  if (proprieta.contains(kMostraFormatoFotografico))
    ImpostaMostraFormatoFotografico(proprieta.value(kMostraFormatoFotografico).toBool());
}
