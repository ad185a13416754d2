#pragma once
#include <QDir>

#include "support/CartellaProgrammaProva.h"

// An album file naming n photos of the given size ("imgVE_000001.jpg" on, one
// 15x10 print each), written with them into the work folder of a test program.
inline void ScriviAlbumProva(const CartellaProgrammaProva& programma, int n, int dimensione) {
  const QString lavoro = programma.percorsi().CartellaLavoro;
  QDir().mkpath(lavoro);
  QString voci;
  for (int i = 1; i <= n; ++i) {
    const QString nome = QStringLiteral("imgVE_%1.jpg").arg(i, 6, 10, QChar(u'0'));
    programma.Scrivi(QStringLiteral("Velistra/") + nome, QByteArray(dimensione, char('a' + i)));
    voci += QStringLiteral("<file><nomecompleto>%1%2</nomecompleto><titolo>%2</titolo><quantita>1</quantita>"
                           "<formato>15x10</formato><ridimensionamento>FILLIN</ridimensionamento></file>")
                .arg(lavoro, nome);
  }
  programma.Scrivi(QStringLiteral("Velistra.xml"), (QStringLiteral("<xml><formato id=\"15x10\"><files>") + voci +
                                                    QStringLiteral("</files></formato></xml>"))
                                                       .toUtf8());
}
