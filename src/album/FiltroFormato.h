#pragma once
#include <QString>
#include <memory>

class DocumentoXML;

// The XSLT 1.0 stylesheet that copies the album's entries of one format (all
// formats when empty) into a root "files", sorted by title. The format is put
// into the stylesheet as an escaped XPath literal, whatever characters it holds.
QString FoglioFiltraFormato(const QString& Formato);

// The album's entries filtered and sorted by that stylesheet; an empty document
// when the transformation fails.
std::unique_ptr<DocumentoXML> FiltraFormato(const DocumentoXML& album, const QString& Formato);
