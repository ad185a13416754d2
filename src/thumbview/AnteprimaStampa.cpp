#include "thumbview/AnteprimaStampa.h"

#include <QPainter>
#include <QRegion>
#include <algorithm>

#include "common/TestoACapo.h"
#include "thumbview/DecodificaRidotta.h"
#include "thumbview/GeometriaThumb.h"
#include "thumbview/LivelloImmagine.h"

namespace {
const QColor kOmbraTaglio(0, 0, 0, 120);
const QColor kBordoCarta(128, 128, 128);
constexpr int kAltezzaFasciaAvviso = 30;

// The paper's proportions as a size the preview's rectangle can take.
QSize ProporzioniCarta(QSizeF centimetri) { return (centimetri * 100).toSize(); }
}  // namespace

ImpaginazioneAnteprima ImpaginaAnteprima(QSize originale, const std::optional<CartaStampa>& carta, QSize area) {
  const QRect quadrato = QuadratoAnteprima(area);
  const auto nelQuadrato = [&quadrato](QSize proporzioni) {
    return RettangoloAnteprima(proporzioni, quadrato.width()).translated(quadrato.topLeft());
  };
  if (!carta) return {nelQuadrato(originale), {}, Adattamento::Riempi};
  const QSizeF orientata = CartaOrientata(carta->centimetri, originale);
  if (carta->adattamento == Adattamento::Contieni) {
    const QRect foglio = nelQuadrato(ProporzioniCarta(orientata));
    return {RettangoloInscritto(foglio, QSizeF(originale)), foglio, Adattamento::Contieni};
  }
  const QRect foto = nelQuadrato(originale);
  return {foto, RettangoloInscritto(foto, orientata), Adattamento::Riempi};
}

void DisegnaAnteprimaStampa(QPainter& superficie, const QImage& foto, const ImpaginazioneAnteprima& posto) {
  ImpostaQualita(superficie, QualitaMassima, QualitaMassima);
  if (posto.carta.isEmpty()) {
    superficie.drawImage(posto.foto, foto);
    return;
  }
  if (posto.adattamento == Adattamento::Contieni) superficie.fillRect(posto.carta, Qt::white);
  superficie.drawImage(posto.foto, foto);
  if (posto.adattamento == Adattamento::Riempi) {
    superficie.save();
    superficie.setClipRegion(QRegion(posto.foto).subtracted(QRegion(posto.carta)));
    superficie.fillRect(posto.foto, kOmbraTaglio);
    superficie.restore();
  }
  superficie.save();
  superficie.setRenderHint(QPainter::Antialiasing, false);
  superficie.setPen(kBordoCarta);
  superficie.setBrush(Qt::NoBrush);
  superficie.drawRect(posto.carta.adjusted(0, 0, -1, -1));
  superficie.restore();
}

int AlzoPerAvviso(const ImpaginazioneAnteprima& posto, int altezzaArea) {
  const QRect tutto = posto.foto.united(posto.carta);
  return std::clamp(tutto.bottom() + 1 - (altezzaArea - kAltezzaFasciaAvviso), 0, tutto.top());
}

void DisegnaAvvisoAnteprima(QPainter& superficie, const QRect& area, const AvvisoQualita& avviso,
                            const QFont& carattere) {
  const QRect fascia(area.left(), area.bottom() + 1 - kAltezzaFasciaAvviso, area.width(), kAltezzaFasciaAvviso);
  superficie.fillRect(fascia, QColor(255, 255, 255, 230));
  superficie.fillRect(QRect(fascia.topLeft(), QSize(fascia.width(), 2)), ColoreAvviso(avviso.livello));
  DisegnaTestoACapo(superficie, fascia.adjusted(3, 3, -3, 0), avviso.testo, carattere, Qt::black);
}

void DisegnaAnteprimaFoto(QPainter& superficie, QSize area, qreal rapporto, const QString& percorso,
                          const std::optional<CartaStampa>& carta, const QFont& carattere) {
  PulisciSuperficie(superficie, Qt::white);
  if (percorso.isEmpty()) return;
  const ImmagineRidotta foto = DecodificaRidotta(percorso, &MisuraAnteprima, true, rapporto);
  if (foto.stato != kStatoRiuscito || foto.originale.width() <= 0) return;
  const std::optional<AvvisoQualita> avviso = ValutaAvviso(foto.originale, carta);
  const ImpaginazioneAnteprima posto = ImpaginaAnteprima(foto.originale, carta, area);
  const int alzo = avviso ? AlzoPerAvviso(posto, area.height()) : 0;
  superficie.translate(0, -alzo);
  DisegnaAnteprimaStampa(superficie, foto.immagine, posto);
  superficie.resetTransform();
  if (avviso) DisegnaAvvisoAnteprima(superficie, QRect(QPoint(0, 0), area), *avviso, carattere);
}
