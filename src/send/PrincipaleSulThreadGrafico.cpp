#include "send/PrincipaleSulThreadGrafico.h"

#include "common/DocumentoXML.h"
#include "common/Lavoro.h"

std::int32_t PrincipaleSulThreadGrafico::CalcolaImportoVelistra(const DocumentoXML& prezzi) {
  return SulThreadGrafico([&] { return principale_.CalcolaImportoVelistra(prezzi); });
}
QString PrincipaleSulThreadGrafico::getImportoCorrenteEuro() const {
  return SulThreadGrafico([&] { return principale_.getImportoCorrenteEuro(); });
}
QString PrincipaleSulThreadGrafico::getDatiUtente() const {
  return SulThreadGrafico([&] { return principale_.getDatiUtente(); });
}
bool PrincipaleSulThreadGrafico::StringaFileCondition(const DocumentoXML& album, QString& strFile) {
  return SulThreadGrafico([&] { return principale_.StringaFileCondition(album, strFile); });
}
bool PrincipaleSulThreadGrafico::CreaFotografiaTesto(const QString& percorso, const QString& testo) {
  return SulThreadGrafico([&] { return principale_.CreaFotografiaTesto(percorso, testo); });
}
void PrincipaleSulThreadGrafico::SostituisciCatalogo(std::unique_ptr<DocumentoXML> catalogo) {
  SulThreadGrafico([&] { principale_.SostituisciCatalogo(std::move(catalogo)); });
}
void PrincipaleSulThreadGrafico::CreaNuovoVelistra() {
  SulThreadGrafico([&] { principale_.CreaNuovoVelistra(); });
}
int PrincipaleSulThreadGrafico::FTPInCorso() const {
  return SulThreadGrafico([&] { return principale_.FTPInCorso(); });
}
void PrincipaleSulThreadGrafico::ImpostaFTPInCorso(int valore) {
  SulThreadGrafico([&] { principale_.ImpostaFTPInCorso(valore); });
}
