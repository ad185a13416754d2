#pragma once
// What both Kelmora controls share: their own surface (opaque or transparent,
// with or without a system border), the "property changed" notice that tells
// the holder its design needs saving, and the library's count of live controls.
#include <QWidget>
#include <cstdint>

#include "controls/KelmoraEsporta.h"

class KELMORA_EXPORT KvSuperficie : public QWidget {
  Q_OBJECT
  Q_PROPERTY(qint16 BackStyle READ BackStyle WRITE setBackStyle)
  Q_PROPERTY(qint16 BorderStyle READ BorderStyle)

 public:
  explicit KvSuperficie(QWidget* genitore = nullptr);
  ~KvSuperficie() override;

  // 1 opaque, 0 transparent.
  qint16 BackStyle() const { return backStyle_; }
  void setBackStyle(qint16 valore);
  // 0 none, 1 a single line.
  qint16 BorderStyle() const { return borderStyle_; }

  // The control's native window handle.
  Q_INVOKABLE quintptr hWnd();
  Q_INVOKABLE void Refresh();

 Q_SIGNALS:
  // The holder records the property as changed (its design needs saving).
  void proprietaCambiata(const QString& nome);

 protected:
  void RegistraCambiamento(const QString& nome) { Q_EMIT proprietaCambiata(nome); }
  void ImpostaBorderStyle(qint16 valore);
  // The colour an opaque surface is filled with.
  virtual QColor ColoreSuperficie() const;
  // Fills the surface and draws its border; the controls paint over it.
  void DisegnaSuperficie(class QPainter& pittore) const;
  void paintEvent(QPaintEvent* evento) override;

 private:
  qint16 backStyle_ = 1;
  qint16 borderStyle_ = 0;
};
