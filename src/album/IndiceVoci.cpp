#include "album/IndiceVoci.h"

QStringList CopieDellaVoce(const NodoXML& file) {
  QStringList copie;
  for (const NodoXML& figlio : file.figli())
    if (figlio.elementoDiNome(QStringLiteral("nomecompleto"))) copie.append(figlio.testo());
  return copie;
}

NodoXML IndiceVoci::Trova(const DocumentoXML& album, const QString& formato,
                          const QString& nomecompleto) {
  if (!InPasso(album)) Ricostruisci(album);
  const auto trovate = voci_.constFind(nomecompleto);
  if (trovate == voci_.cend()) return {};
  for (const Voce& voce : *trovate)
    if (formato.isEmpty() || voce.formato == formato) return voce.file;
  return {};
}

void IndiceVoci::Aggiunta(const DocumentoXML& album, bool inPasso, const NodoXML& file,
                          const QString& formato) {
  if (!inPasso) return;
  for (const QString& copia : CopieDellaVoce(file)) Inserisci(copia, {file, formato});
  Allinea(album);
}

void IndiceVoci::Rimossa(const DocumentoXML& album, bool inPasso, const NodoXML& file,
                         const QStringList& copie) {
  if (!inPasso) return;
  for (const QString& copia : copie) {
    auto voci = voci_.find(copia);
    if (voci == voci_.end()) continue;
    voci->removeIf([&file](const Voce& voce) { return voce.file == file; });
    if (voci->isEmpty()) voci_.erase(voci);
  }
  Allinea(album);
}

void IndiceVoci::Invariata(const DocumentoXML& album, bool inPasso) {
  if (inPasso) Allinea(album);
}

void IndiceVoci::Ricostruisci(const DocumentoXML& album) {
  voci_.clear();
  // The same steps as the XPath the entries were always found by, so that
  // hand-edited albums (namespaces, attributes missing) give the same answers.
  for (const NodoXML& formato : album.selezionaNodi(QStringLiteral("/xml/formato"))) {
    const QString id = formato.selezionaNodo(QStringLiteral("@id")).testo();
    for (const NodoXML& file : formato.selezionaNodi(QStringLiteral("files/file")))
      for (const QString& copia : CopieDellaVoce(file)) voci_[copia].append({file, id});
  }
  Allinea(album);
}

void IndiceVoci::Inserisci(const QString& copia, Voce voce) {
  QList<Voce>& voci = voci_[copia];
  qsizetype posto = 0;
  while (posto < voci.size() && voci[posto].file.precede(voce.file)) ++posto;
  voci.insert(posto, std::move(voce));
}

void IndiceVoci::Allinea(const DocumentoXML& album) {
  documento_ = &album;
  generazione_ = album.generazione();
}
