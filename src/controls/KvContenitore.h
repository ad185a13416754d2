#pragma once
// A rectangular container with a frame of eight one-pixel lines in one of five
// styles. Its mouse and drag-and-drop events go on to the holder as signals;
// arguments a handler may change (Effect, AllowedEffects, DefaultCursors) are
// references and come back to the drag.
#include <QColor>
#include <QLine>
#include <QPixmap>
#include <array>
#include <cstdint>

#include "controls/KvSuperficie.h"

class KvBorsaProprieta;
class KvDatiTrascinamento;
class QMimeData;

class KELMORA_EXPORT KvContenitore : public KvSuperficie {
  Q_OBJECT
  Q_PROPERTY(uint BackColor READ BackColor WRITE setBackColor)
  Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled DESIGNABLE false)
  Q_PROPERTY(qint16 OLEDropMode READ OLEDropMode WRITE setOLEDropMode)
  Q_PROPERTY(int Stile READ Stile WRITE setStile)
  Q_PROPERTY(qint16 MousePointer READ MousePointer WRITE setMousePointer)
  Q_PROPERTY(QPixmap MouseIcon READ MouseIcon WRITE setMouseIcon)

 public:
  static constexpr int kLineeBordo = 8;

  struct LineaBordo {
    QLine posizione;  // twips, from the current size
    QColor colore;
    bool visibile = true;
  };

  // Creation: all eight lines visible in the sunken colours.
  explicit KvContenitore(QWidget* genitore = nullptr);

  // Surface colour as a 32-bit colour value (see ColoreOle.h).
  uint BackColor() const { return backColor_; }
  void setBackColor(uint colore);
  // Written through QWidget::setEnabled, which records the change.
  bool Enabled() const { return isEnabled(); }
  // The controls placed inside.
  QList<QWidget*> Controls() const;
  // 0 none, 1 manual: the holder decides through OLEDragOver and OLEDragDrop.
  qint16 OLEDropMode() const { return oleDropMode_; }
  void setOLEDropMode(qint16 modo);
  // Starts a drag with the container as its source.
  Q_INVOKABLE void OLEDrag();
  // 0 left as is, 1 flat, 2 sunken, 3 raised, 4 etched; other values re-apply
  // the current style.
  int Stile() const { return stile_; }
  void setStile(int stile);
  // Shows or hides all eight lines, colours and style untouched.
  Q_INVOKABLE void VisualizzaBordo(bool visualizza);
  // 0 default, 1 arrow, 2 cross, 3 I-beam, 11 hourglass, 99 MouseIcon...
  qint16 MousePointer() const { return mousePointer_; }
  void setMousePointer(qint16 puntatore);
  QPixmap MouseIcon() const { return mouseIcon_; }
  void setMouseIcon(const QPixmap& icona);

  // Line 0 to 7 of the frame.
  LineaBordo Bordo(int indice) const;

  // A control newly placed on a window.
  void InizializzaProprieta();
  // A control read from a saved design, applied in the order of its properties.
  void LeggiProprieta(const KvBorsaProprieta& borsa);
  void ScriviProprieta(KvBorsaProprieta& borsa) const;

 Q_SIGNALS:
  void Click();
  void DblClick();
  void MouseDown(qint16 Button, qint16 Shift, float X, float Y);
  void MouseMove(qint16 Button, qint16 Shift, float X, float Y);
  void MouseUp(qint16 Button, qint16 Shift, float X, float Y);
  // State: 0 enter, 1 leave, 2 over.
  void OLEDragOver(const QMimeData* Data, qint32& Effect, qint16 Button, qint16 Shift, float X,
                   float Y, qint16 State);
  void OLEDragDrop(const QMimeData* Data, qint32& Effect, qint16 Button, qint16 Shift, float X,
                   float Y);
  void OLEGiveFeedback(qint32& Effect, bool& DefaultCursors);
  void OLEStartDrag(KvDatiTrascinamento* Data, qint32& AllowedEffects);
  void OLESetData(KvDatiTrascinamento* Data, qint16 DataFormat);
  void OLECompleteDrag(qint32& Effect);

 protected:
  QColor ColoreSuperficie() const override;
  void changeEvent(QEvent* evento) override;
  void paintEvent(QPaintEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseMoveEvent(QMouseEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;
  void mouseDoubleClickEvent(QMouseEvent* evento) override;
  void dragEnterEvent(QDragEnterEvent* evento) override;
  void dragMoveEvent(QDragMoveEvent* evento) override;
  void dragLeaveEvent(QDragLeaveEvent* evento) override;
  void dropEvent(QDropEvent* evento) override;

 private:
  void ApplicaStile(int stile);
  void ApplicaPuntatore();

  std::array<QColor, kLineeBordo> colori_;
  std::array<bool, kLineeBordo> visibili_;
  bool bordoMostrato_ = true;
  int stile_ = 2;
  uint backColor_;
  qint16 oleDropMode_ = 0;
  qint16 mousePointer_ = 0;
  QPixmap mouseIcon_;
  const QMimeData* datiSopra_ = nullptr;  // the drag over the control, for its leave
  bool premuto_ = false;
  bool abilitatoProprio_ = true;  // the control's own flag, not its window's
};
