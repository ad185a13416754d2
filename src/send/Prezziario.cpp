#include "send/Prezziario.h"

#include "common/DocumentoXML.h"
#include "send/CodiciOperazione.h"
#include "send/ModuliRichiesta.h"
#include "send/RichiestaLaboratorio.h"

bool CatalogoValido(const DocumentoXML& catalogo) {
  const NodoXML radice = catalogo.radice();
  if (!radice || radice.nome() != QStringLiteral("xml")) return false;
  const QList<NodoXML> formati = catalogo.selezionaNodi(QStringLiteral("/xml/formato"));
  if (formati.isEmpty()) return false;
  for (const NodoXML& formato : formati)
    if (formato.attributo(QStringLiteral("id")).isEmpty()) return false;
  return true;
}

std::unique_ptr<DocumentoXML> ScaricaPrezziario(const DatiServer& server, const QString& username,
                                                const QString& password, AvvisiInvio& avvisi) {
  auto prezzi = DocumentoDalLaboratorio(server, creaDatiPostM(username, password, f_K_HTTPS_PREZZI()), avvisi);
  if (!prezzi->caricato() || !CatalogoValido(*prezzi)) return nullptr;
  return prezzi;
}
