#pragma once
#include <QString>
#include <cstdint>
#include <memory>

class DocumentoXML;

// What the send window asks of the main window. The main window implements it;
// nothing of the send path includes the main window itself.
class FinestraPrincipaleInvio {
 public:
  virtual ~FinestraPrincipaleInvio() = default;

  // Recomputes the album amount with the given price list; euro cents.
  virtual std::int32_t CalcolaImportoVelistra(const DocumentoXML& prezzi) = 0;
  virtual QString getImportoCorrenteEuro() const = 0;
  // The customer's three lines of name and address.
  virtual QString getDatiUtente() const = 0;
  // The order text of an album; false (and a message) when it has no photo.
  virtual bool StringaFileCondition(const DocumentoXML& album, QString& strFile) = 0;
  // Renders a text into a JPEG picture at the path.
  virtual bool CreaFotografiaTesto(const QString& percorso, const QString& testo) = 0;
  // Replaces the catalogue document; nothing leaves the main window without one.
  virtual void SostituisciCatalogo(std::unique_ptr<DocumentoXML> catalogo) = 0;
  virtual void CreaNuovoVelistra() = 0;
  virtual int FTPInCorso() const = 0;
  virtual void ImpostaFTPInCorso(int valore) = 0;
};
