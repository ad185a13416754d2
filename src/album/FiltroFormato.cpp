#include "album/FiltroFormato.h"

#include "common/DocumentoXML.h"

QString FoglioFiltraFormato(const QString& Formato) {
  QString foglio = QStringLiteral(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
      "<xsl:stylesheet xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\" version=\"1.0\">"
      "<xsl:template match=\"/\">"
      "<files>"
      "<xsl:apply-templates select=\"xml/formato");
  if (!Formato.isEmpty())
    foglio += QStringLiteral("[@id=") + TestoXMLSicuro(LetteraleXPath(Formato)) + u']';
  foglio += QStringLiteral(
      "/files/file\">"
      "<xsl:sort select=\"titolo\"/>"
      "</xsl:apply-templates>"
      "</files>"
      "</xsl:template>"
      "<xsl:template match=\"file\">"
      "<xsl:copy-of select=\".\"/>"
      "<xsl:text></xsl:text>"
      "</xsl:template>"
      "</xsl:stylesheet>");
  return foglio;
}

std::unique_ptr<DocumentoXML> FiltraFormato(const DocumentoXML& album, const QString& Formato) {
  auto foglio = CreaDocumentoXML();
  if (foglio->caricaTesto(FoglioFiltraFormato(Formato)))
    if (auto risultato = album.trasforma(*foglio)) return risultato;
  return CreaDocumentoXML();
}
