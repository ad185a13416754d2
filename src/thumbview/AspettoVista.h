#pragma once
#include <QColor>
#include <QFont>
#include <QObject>
#include <QString>
#include <QVariantMap>

class QWidget;

// The persisted appearance of the thumbnail grid: five properties the container
// keeps by their storage keys, and the cell height the shown captions need.
class AspettoVista : public QObject {
  Q_OBJECT
  Q_PROPERTY(QColor BackColor READ BackColor WRITE ImpostaBackColor NOTIFY valoreCambiato)
  Q_PROPERTY(QFont Font READ Font WRITE ImpostaFont NOTIFY valoreCambiato)
  Q_PROPERTY(bool Enabled READ Enabled WRITE ImpostaEnabled NOTIFY valoreCambiato)
  Q_PROPERTY(bool MostraNumeroFoto READ MostraNumeroFoto WRITE ImpostaMostraNumeroFoto NOTIFY
                 valoreCambiato)
  Q_PROPERTY(bool MostraFormatoFotografico READ MostraFormatoFotografico WRITE
                 ImpostaMostraFormatoFotografico NOTIFY valoreCambiato)

 public:
  // The font and enabled state are the grid's own, the back colour its drawing surface's.
  AspettoVista(QWidget& vista, QWidget& superficie);

  QColor BackColor() const;
  void ImpostaBackColor(const QColor& colore);
  QFont Font() const;
  void ImpostaFont(const QFont& carattere);
  bool Enabled() const;
  void ImpostaEnabled(bool abilitato);
  bool MostraNumeroFoto() const { return mostraNumeroFoto_; }
  void ImpostaMostraNumeroFoto(bool mostra);
  bool MostraFormatoFotografico() const { return mostraFormatoFotografico_; }
  void ImpostaMostraFormatoFotografico(bool mostra);
  // The cell height the shown captions need.
  int AltezzaCella() const;
  // The five properties by their storage keys, for the container to keep.
  QVariantMap ProprietaSalvate() const;
  // Applies the stored values present in the bag.
  void LeggiProprieta(const QVariantMap& proprieta);

 Q_SIGNALS:
  // A persisted property changed (its storage key).
  void proprietaCambiata(const QString& nome);
  void valoreCambiato();

 private:
  void Notifica(const QString& nome);

  QWidget& vista_;
  QWidget& superficie_;
  bool mostraNumeroFoto_ = false;
  bool mostraFormatoFotografico_ = false;
};
