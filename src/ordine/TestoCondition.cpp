#include "ordine/TestoCondition.h"

#include <QList>
#include <QStringList>

#include "album/TabellaRidimensionamento.h"
#include "settings/ChiaviImpostazioni.h"
#include "settings/cINIProfiles.h"

namespace {

const QString kDatiUtente = QStringLiteral("DatiUtente.jpg");
constexpr int kLunghezzaRetro = 40;

// A value on one line of the order: a line break inside it would add a line
// that the station reads as its own.
QString SuUnaRiga(QString valore) {
  for (QChar& c : valore)
    if (c.category() == QChar::Other_Control) c = u' ';
  return valore;
}

// The first characters of a text, counted as the code page will write them: a
// character outside the Basic Multilingual Plane is one character, not two.
QString PrimiCaratteri(const QString& testo, int quanti) {
  qsizetype fine = 0;
  for (int contati = 0; contati < quanti && fine < testo.size(); ++contati)
    fine += testo.at(fine).isHighSurrogate() && fine + 1 < testo.size() && testo.at(fine + 1).isLowSurrogate() ? 2 : 1;
  return testo.left(fine);
}

void AggiungiBlocco(QStringList& righe, const QString& nome, const QString& formato, const QString& copie,
                    const QString& retro, const QString& ridimensionamento) {
  righe << u'[' + nome + u']' << QStringLiteral("SizeName=") + formato << QStringLiteral("PrintCnt=") + copie
        << QStringLiteral("BackPrint=FILE") << QStringLiteral("BackPrintLine1=")
        << QStringLiteral("BackPrintLine2=") + retro << QStringLiteral("Resize=") + ridimensionamento;
}

}  // namespace

QString NomeFileOrdine(const QString& nomecompleto) {
  return SuUnaRiga(nomecompleto.mid(nomecompleto.lastIndexOf(u'/') + 1));
}

QString TestoCondition(const QList<FormatoAlbum>& album, const QString& nomeDispositivo) {
  QList<VoceAlbum> voci;
  // The format that holds each entry.
  QStringList formati;
  for (const FormatoAlbum& formato : album)
    for (const VoceAlbum& voce : formato.voci) {
      voci.append(voce);
      formati.append(formato.id);
    }
  if (voci.isEmpty()) return {};
  const qsizetype n = voci.size();
  QStringList nomi;
  for (const VoceAlbum& voce : voci) nomi << NomeFileOrdine(voce.copia);

  QStringList righe;
  righe.reserve(8 * n + 12);
  righe << QStringLiteral("[OutDevice]") << QStringLiteral("DeviceName=") + SuUnaRiga(nomeDispositivo)
        << QStringLiteral("[ImageList]") << QStringLiteral("ImageCnt=") + QString::number(n + 1);
  for (qsizetype k = 0; k < n; ++k) righe << QString::number(k + 1) + u'=' + nomi[k];
  righe << QString::number(n + 1) + u'=' + kDatiUtente;
  for (qsizetype k = 0; k < n; ++k) {
    const VoceAlbum& voce = voci[k];
    AggiungiBlocco(righe, nomi[k], SuUnaRiga(formati[k]), QString::number(voce.quantita),
                   PrimiCaratteri(SuUnaRiga(voce.titolo), kLunghezzaRetro), SuUnaRiga(voce.ridimensionamento));
  }
  AggiungiBlocco(righe, kDatiUtente, QStringLiteral("15X10"), QStringLiteral("1"), kDatiUtente,
                 ChiaveRidimensionamento(0));
  return righe.join(QStringLiteral("\r\n"));
}
