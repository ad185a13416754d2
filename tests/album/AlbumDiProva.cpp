#include "AlbumDiProva.h"

#include "album/AlbumVelistra.h"
#include "common/DocumentoXML.h"

QByteArray TestoCatalogo(const QStringList& formati) {
  QString testo = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xml>\n");
  for (const QString& formato : formati) {
    const QStringList p = formato.split(u'|');
    testo += QStringLiteral("<formato id=\"%1\" descrizione=\"%2\" amatoriale=\"%3\">%4</formato>\n")
                 .arg(TestoXMLSicuro(p[0]), TestoXMLSicuro(p[1]), p[2], p[3]);
  }
  return (testo + QStringLiteral("</xml>\n")).toUtf8();
}

QByteArray CatalogoTreFormati() {
  return TestoCatalogo({QStringLiteral("13x9|Stampa 9 x 13|1|19"),
                        QStringLiteral("15x10|Stampa 10 x 15|1|25"),
                        QStringLiteral("15x10P|Stampa 10 x 15 professionale|0|29")});
}

QByteArray CatalogoDiFormati(int n) {
  QStringList formati;
  for (int i = 1; i <= n; ++i) formati.append(QStringLiteral("F%1|Formato %1|1|%2").arg(i).arg(i * 10));
  return TestoCatalogo(formati);
}

QStringList Copie(const QList<VoceAlbum>& voci) {
  QStringList copie;
  for (const VoceAlbum& voce : voci) copie.append(voce.copia);
  return copie;
}

void RiempiAlbum(AlbumVelistra& album, int n, const QStringList& formati, const QString& cartellaLavoro) {
  static const QStringList nomi{QStringLiteral("Àrco"), QStringLiteral("città"),
                                QStringLiteral("perché"), QStringLiteral("Éva"),
                                QStringLiteral("zuccherò"), QStringLiteral("mare")};
  for (int i = 0; i < n; ++i) {
    // Every seventh title repeats, so equal keys meet in the sort.
    const int numero = (i * 7919) % (n + 13) / (i % 7 == 0 ? 7 : 1);
    const QString titolo = QStringLiteral("%1 %2.jpg").arg(nomi[i % nomi.size()]).arg(numero);
    const QString copia = cartellaLavoro + ChiaveThumb(i + 1) + QStringLiteral(".jpg");
    album.AggiungiFileVelistra(formati[i % formati.size()], copia, titolo, QStringLiteral("FILLIN"));
  }
}
