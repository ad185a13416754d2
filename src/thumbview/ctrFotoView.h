#pragma once
#include <QColor>
#include <QFont>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>

#include "common/QualitaStampa.h"
#include "settings/PercorsiProgramma.h"
#include "thumbview/AspettoVista.h"
#include "thumbview/AvvisoQualita.h"
#include "thumbview/CodaDecodifica.h"
#include "thumbview/DatiThumb.h"
#include "thumbview/ElencoAnticipato.h"
#include "thumbview/ElencoThumbs.h"
#include "thumbview/GeometriaThumb.h"
#include "thumbview/SpunteVista.h"

class CaselleSelezione;
class QFrame;
class QPainter;
class QScrollBar;
class SuperficieDisegno;

// The paper of a format printed with a resize mode (label); nothing when unknown.
using CartaDellaThumb =
    std::function<std::optional<CartaStampa>(const QString& formato, const QString& ridimensionamento)>;

// The scrolling grid of photo thumbnails with check boxes, captions and a
// preview in a picture box of the container.
class ctrFotoView : public QWidget {
  Q_OBJECT

 public:
  // The placeholder picture "NonDisponibile.gif" is taken from the program folder.
  explicit ctrFotoView(const PercorsiProgramma& percorsi, QWidget* genitore = nullptr);
  ~ctrFotoView() override;

  // Appends one thumbnail; false, with nothing changed, for an empty path,
  // during another addition or drawing, or when its cell is on the page and the
  // picture cannot be opened.
  // A cell on the page gets its picture when the workers have decoded it.
  bool AggiungiThumbs(const QString& NomeFileCompleto, bool Disegna = false,
                      const QString& NomeFileToolTip = {}, std::int16_t NumeroFoto = 0,
                      const QString& FormatoFotografico = {},
                      const QString& Ridimensionamento = {});
  void CancellaThumbs();
  // The photos of the folder about to be added, when the caller has listed it:
  // the read-ahead then needs no listing of its own.
  void AnticipaCartella(const QString& cartella, const QStringList& nomi) { elencoAnticipato_.Imposta(cartella, nomi); }
  // Draws the visible page from that thumbnail (-1: the first visible one).
  bool DisegnaThumbTutto(int PrimaThumb = -1);
  void Esegui_vsbSlideChange();

  // The persisted appearance: the properties the container keeps.
  AspettoVista& Aspetto() { return aspetto_; }
  // The commands on the checked thumbnails.
  SpunteVista& Spunte() { return spunte_; }
  // The picture box for the preview; not owned.
  void setpicPreview(SuperficieDisegno* picPreview);
  // Where the thumbnails' papers come from; without it no print is judged.
  void ImpostaCartaStampa(CartaDellaThumb carta) { cartaStampa_ = std::move(carta); }
  // Draws the page again: the papers changed with a new catalogue.
  void RidisegnaPagina();
  // The print-quality warning of thumbnail i; nothing for a good or unknown print.
  std::optional<AvvisoQualita> AvvisoThumb(int indice) const;
  // The record under a point of the drawing surface; an empty one in the gaps.
  DatiThumb TrovaThumbInPunto(QPoint punto) const;

  int TotFile() const { return thumbs_.Totale(); }
  int PrimaThumbVisibile() const { return primaVisibile_; }
  int UltimaThumbVisibile() const { return ultimaVisibile_; }
  bool Inizializzato() const { return inizializzato_; }
  // Copies being decoded; the grid is complete when none is.
  int DecodificheInCorso() const { return decodifica_.DecodificheInCorso(); }
  int NumeroColonne() const { return numeroColonne_; }
  const QList<DatiThumb>& Thumbs() const { return thumbs_.Voci(); }
  // The thumbnail with the keyboard focus frame, -1 when none.
  int IndiceFuoco() const { return indiceFuoco_; }
  // The cell of thumbnail i in screen coordinates; empty off the page.
  QRect AreaCellaSulloSchermo(int indice) const;

 protected:
  void resizeEvent(QResizeEvent* evento) override;
  bool eventFilter(QObject* oggetto, QEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;
  void focusInEvent(QFocusEvent* evento) override;
  void focusOutEvent(QFocusEvent* evento) override;

 private:
  bool ThumbVisibile(int NumThumb) const;
  void CalcolaColonne();
  void AggiornaScorrimento(int n);
  void CalcolaThumbVisibili();
  void AllineaRapporto();
  // How a cell without its copy shows the picture.
  enum class SenzaCopia { InArrivo, NonDisponibile };
  // The copy of a new record on the page, asked for; false when its file cannot be shown.
  bool PreparaCellaNuova(DatiThumb& thumb, int indice);
  void DisegnaThumb(int posizione, int indice);
  void DisegnaCella(int posizione, int indice, SenzaCopia senzaCopia);
  void DisegnaSegnaposto(QPainter& superficie, int sinistraCella, int altoImmagine);
  std::optional<CartaStampa> CartaThumb(const DatiThumb& thumb) const;
  void CopiaArrivata(const QString& percorso, const ImmagineRidotta& copia);
  void NascondiPagina() { NascondiPagina({primaVisibile_, ultimaVisibile_}); }
  void NascondiPagina(PaginaThumb pagina);
  void PulisciSuperficie();
  void AnticipaDecodifica(int da, int a, int priorita);
  // After the checked records went: boxes past the end, scrolling, page.
  void DopoRimozione();
  void RidisegnaModificate();
  int IndiceInPunto(QPoint punto) const;
  void ImpostaFuoco(int indice);
  void MostraFuoco();
  void AnnunciaFuoco();
  void AggiornaSuggerimento(QPoint punto);
  void MostraAnteprima(int indice);
  // The preview drawn again when its thumbnail's print changed.
  void AggiornaAnteprima();

  const QString percorsoNonDisponibile_;
  QFrame* picFrame_;
  SuperficieDisegno* picSlide_;
  QScrollBar* vsbSlide_;
  CaselleSelezione* chkFotoSelezionata_;
  QPointer<SuperficieDisegno> picPreview_;
  CartaDellaThumb cartaStampa_;
  QString percorsoAnteprima_;  // the thumbnail this view last previewed
  int indiceAnteprima_ = -1;
  CodaDecodifica decodifica_;

  ElencoThumbs thumbs_;
  AspettoVista aspetto_;
  SpunteVista spunte_;
  ElencoAnticipato elencoAnticipato_{this};
  int numeroColonne_ = 1;
  int primaVisibile_ = 0;
  int ultimaVisibile_ = 0;
  bool caricamentoInCorso_ = false;
  bool scorrimentoAttivo_ = false;
  bool inizializzato_ = false;
  int indiceFuoco_ = -1;

  const QColor coloreDidascalia_{50, 0, 255};
  QFont caratteriDidascalia_;
};
