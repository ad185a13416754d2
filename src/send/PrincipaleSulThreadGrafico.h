#pragma once
#include "send/FinestraPrincipaleInvio.h"

// The main window for a send running on a worker: every call is made by the
// GUI thread, which owns the album, the catalogue and the views.
class PrincipaleSulThreadGrafico final : public FinestraPrincipaleInvio {
 public:
  explicit PrincipaleSulThreadGrafico(FinestraPrincipaleInvio& principale) : principale_(principale) {}

  std::int32_t CalcolaImportoVelistra(const DocumentoXML& prezzi) override;
  QString getImportoCorrenteEuro() const override;
  QString getDatiUtente() const override;
  bool StringaFileCondition(const DocumentoXML& album, QString& strFile) override;
  bool CreaFotografiaTesto(const QString& percorso, const QString& testo) override;
  void SostituisciCatalogo(std::unique_ptr<DocumentoXML> catalogo) override;
  void CreaNuovoVelistra() override;
  int FTPInCorso() const override;
  void ImpostaFTPInCorso(int valore) override;

 private:
  FinestraPrincipaleInvio& principale_;
};
