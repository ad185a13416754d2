#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "BancoLaboratorio.h"
#include "FinestraProva.h"
#include "support/FotoHeifProva.h"
#include "thumbview/ctrFotoView.h"

namespace {

bool Jpeg(const QString& percorso) { return LeggiFile(percorso).startsWith("\xFF\xD8\xFF"); }

// Some pixel of the view's cell of thumbnail i has about the given colour.
bool CellaMostra(ctrFotoView* vista, int i, QColor colore) {
  const QImage schermata = vista->grab().toImage();
  const QRect cella = vista->AreaCellaSulloSchermo(i).translated(-vista->mapToGlobal(QPoint(0, 0)));
  for (int y = cella.top(); y <= cella.bottom(); y += 2)
    for (int x = cella.left(); x <= cella.right(); x += 2) {
      const QColor pixel = schermata.pixelColor(x, y);
      if (qAbs(pixel.red() - colore.red()) + qAbs(pixel.green() - colore.green()) +
              qAbs(pixel.blue() - colore.blue()) < 24)
        return true;
    }
  return false;
}

// An iPhone's photos, from the folder to the lab: shown, copied into the album
// as JPEGs, judged for print quality, written into the order folder and sent.
TEST(FotoHeicFinestra, AFolderOfHeicPhotosReachesTheOrderFolderAndTheLabAsJpegs) {
  BancoLaboratorio banco;
  ASSERT_TRUE(banco.avviato()) << banco.errore().toStdString();
  AmbienteFinestra ambiente;
  ambiente.server = banco.datiServer();
  const QColor verde(40, 160, 90);
  QImage nitida(900, 600, QImage::Format_RGB32);
  nitida.fill(verde);
  QImage piccola(160, 120, QImage::Format_RGB32);
  piccola.fill(verde);
  ASSERT_TRUE(ScriviFile(ambiente.foto.filePath(QStringLiteral("IMG_0001.HEIC")), CodificaHeif(nitida)));
  ASSERT_TRUE(ScriviFile(ambiente.foto.filePath(QStringLiteral("IMG_0002.heic")), CodificaHeif(piccola)));

  auto finestra = ambiente.FinestraSulleFoto();
  ctrFotoView* cartella = finestra->Controlli().fvFotoCartella;
  ASSERT_EQ(cartella->TotFile(), 2);
  ASSERT_TRUE(AttendiFinche([cartella] { return cartella->DecodificheInCorso() == 0; }));
  EXPECT_TRUE(CellaMostra(cartella, 0, verde));
  EXPECT_TRUE(CellaMostra(cartella, 1, verde));

  finestra->CopiaNelFormato(QStringLiteral("15x10"));
  const QString lavoro = ambiente.percorsi().CartellaLavoro;
  ASSERT_EQ(FileNellaCartella(lavoro), (QStringList{"imgVE_000001.jpg", "imgVE_000002.jpg"}));
  for (const QString& copia : FileNellaCartella(lavoro)) EXPECT_TRUE(Jpeg(lavoro + copia)) << copia.toStdString();
  ctrFotoView* formato = finestra->Controlli().fvFotoFormato;
  ASSERT_TRUE(AttendiFinche([formato] { return formato->DecodificheInCorso() == 0; }));
  EXPECT_FALSE(formato->AvvisoThumb(0).has_value());
  ASSERT_TRUE(formato->AvvisoThumb(1).has_value());
  EXPECT_EQ(formato->AvvisoThumb(1)->livello, LivelloQualita::Scarsa);

  QTemporaryDir destinazione;
  ambiente.piattaforma.ScegliCartella(destinazione.path());
  ambiente.piattaforma.Rispondi(RispostaMessaggio::Si);
  finestra->Premi(finestra->Controlli().tbOperazioni, QStringLiteral("C8"));
  const QStringList ordini = QDir(destinazione.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  ASSERT_EQ(ordini.size(), 1);
  const QString ordine = destinazione.filePath(ordini[0]) + u'/';
  for (const QString& copia : {QStringLiteral("imgVE_000001.jpg"), QStringLiteral("imgVE_000002.jpg")})
    EXPECT_TRUE(Jpeg(ordine + copia)) << copia.toStdString();
  EXPECT_TRUE(QFile::exists(ordine + QStringLiteral("End.txt")));

  // The send window, played as the affiliated customer does.
  const BancoLaboratorio::Utente cliente = banco.utente(QStringLiteral("convenzionato"));
  finestra->allaFinestraModale = [&](QDialog& dialogo) {
    UsaFinestraInvio(dialogo, cliente.nome, cliente.password, {"cmdAccedi", "cmdInviaVelistra"});
  };
  ambiente.piattaforma.Rispondi(RispostaMessaggio::Si);
  finestra->Premi(finestra->Controlli().tbOperazioni, QStringLiteral("FTP"));
  const QList<BancoLaboratorio::Transazione> transazioni = banco.Transazioni();
  ASSERT_EQ(transazioni.size(), 1);
  EXPECT_TRUE(transazioni[0].trasferito);
  const QString arrivati = banco.cartellaFTP() + u'/' + transazioni[0].utente + u'/' + transazioni[0].cartella + u'/';
  for (const QString& copia : {QStringLiteral("imgVE_000001.jpg"), QStringLiteral("imgVE_000002.jpg")})
    EXPECT_TRUE(Jpeg(arrivati + copia)) << copia.toStdString();
}

}  // namespace
