#pragma once
#include <QObject>

#include "album/SceltaFormato.h"

class CatalogoFormati;

// The main window's three format selectors and their filling from the catalogue.
class SelettoriFormato : public QObject {
  Q_OBJECT

 public:
  explicit SelettoriFormato(CatalogoFormati& catalogo, QObject* parent = nullptr);

  SceltaFormato& Copia() { return copia_; }
  SceltaFormato& Foto() { return foto_; }
  SceltaFormato& Operazioni() { return operazioni_; }

  // False while the lists are being filled: a new choice in the filter list
  // then does not ask for the format view to be reloaded.
  bool FormatiCaricati() const { return formatiCaricati_; }
  void ImpostaFormatiCaricati(bool valore) { formatiCaricati_ = valore; }

  // Reloads the catalogue and refills the three lists: with MantieniFormato each
  // keeps its filter and its choice where the catalogue still has it, otherwise
  // each shows the default format.
  void CaricaFormatiFotografici(bool MantieniFormato);

 Q_SIGNALS:
  // The filter list chose another format while the lists are loaded.
  void ricaricaVistaFormato();

 private:
  CatalogoFormati& catalogo_;
  SceltaFormato copia_;
  SceltaFormato foto_;
  SceltaFormato operazioni_;
  bool formatiCaricati_ = false;
};
