#pragma once
#include <QString>

// The customer sheet of an order: the customer's lines and the picture they
// are rendered into. The main window provides it; the order does not draw.
class FoglioCliente {
 public:
  virtual ~FoglioCliente() = default;

  // The customer's three lines of name and address.
  virtual QString getDatiUtente() const = 0;
  // Renders a text into a JPEG picture at the path.
  virtual bool CreaFotografiaTesto(const QString& percorso, const QString& testo) = 0;
};
