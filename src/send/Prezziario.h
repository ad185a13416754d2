#pragma once
#include <QString>
#include <memory>

#include "send/AvvisoInvio.h"

class DocumentoXML;
struct DatiServer;

// The lab's price list as the server sends it, or nothing when the reply is
// not a catalogue (root "xml" holding "formato" elements with an "id"); a
// failed request adds its message to avvisi.
std::unique_ptr<DocumentoXML> ScaricaPrezziario(const DatiServer& server, const QString& username,
                                                const QString& password, AvvisiInvio& avvisi);

bool CatalogoValido(const DocumentoXML& catalogo);
