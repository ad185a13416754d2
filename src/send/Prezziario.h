#pragma once
#include <QString>
#include <memory>

class DocumentoXML;
struct DatiServer;

// The lab's price list as the server sends it, or nothing when the reply is
// not a catalogue (root "xml" holding "formato" elements with an "id").
std::unique_ptr<DocumentoXML> ScaricaPrezziario(const DatiServer& server, const QString& username, const QString& password);

bool CatalogoValido(const DocumentoXML& catalogo);
