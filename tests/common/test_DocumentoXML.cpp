#include <gtest/gtest.h>

#include <QFile>

#include "common/DocumentoXML.h"
#include "support/CartellaProgrammaProva.h"
#include "support/SenzaPermessiRoot.h"

namespace {

TEST(DocumentoXML, BadTextLoadsNothingBlanksBetweenElementsDropAndBadXPathSelectsNothing) {
  auto doc = CreaDocumentoXML();
  EXPECT_FALSE(doc->caricato());
  for (const QString& cattivo : {QStringLiteral("</xml>"), QString(), QStringLiteral("<a><b></a>"),
                                 QStringLiteral("testo")}) {
    EXPECT_FALSE(doc->caricaTesto(cattivo));
    EXPECT_FALSE(doc->caricato());
    EXPECT_FALSE(doc->radice());
    EXPECT_FALSE(doc->selezionaNodo(QStringLiteral("/*")));
  }
  ASSERT_TRUE(doc->caricaTesto(QStringLiteral("<xml>\n  <a>x</a>\n  <b> y </b>\n</xml>")));
  EXPECT_EQ(doc->radice().figli().size(), 2);
  EXPECT_EQ(doc->selezionaNodo(QStringLiteral("/xml/b")).testo(), QStringLiteral(" y "));
  EXPECT_FALSE(doc->selezionaNodo(QStringLiteral("/xml[@id='")));
  EXPECT_TRUE(doc->selezionaNodi(QStringLiteral("///")).isEmpty());
  EXPECT_TRUE(doc->selezionaNodi(QStringLiteral("count(/xml)")).isEmpty());
}

TEST(DocumentoXML, BuildsSavesAndLoadsBackWithoutIndentation) {
  CartellaProgrammaProva cartella(false);
  auto doc = CreaDocumentoXML();
  doc->aggiungiDichiarazione();
  NodoXML radice = doc->aggiungiFiglio(doc->creaElemento(QStringLiteral("xml")));
  NodoXML formato = radice.aggiungiFiglio(doc->creaElemento(QStringLiteral("formato")));
  formato.impostaAttributo(QStringLiteral("id"), QStringLiteral("15x10 \"l'ampio\" & <più>"));
  NodoXML titolo = formato.aggiungiFiglio(doc->creaElemento(QStringLiteral("titolo")));
  titolo.impostaTesto(QStringLiteral("Perù & <mare> &amp;"));

  EXPECT_EQ(doc->xml(),
            QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xml><formato id=\"15x10 "
                       "&quot;l'ampio&quot; &amp; &lt;più&gt;\"><titolo>Perù &amp; &lt;mare&gt; "
                       "&amp;amp;</titolo></formato></xml>\n"));
  const QString percorso = cartella.file(QStringLiteral("prova.xml"));
  ASSERT_TRUE(doc->salva(percorso));
  auto letto = CreaDocumentoXML(percorso);
  ASSERT_TRUE(letto->caricato());
  EXPECT_EQ(letto->selezionaNodo(QStringLiteral("/xml/formato/titolo")).testo(),
            QStringLiteral("Perù & <mare> &amp;"));
  EXPECT_EQ(letto->xml(), doc->xml());
}

TEST(DocumentoXML, RemovedNodesCanMoveAndUnattachedOnesAreFreed) {
  auto doc = CreaDocumentoXML();
  ASSERT_TRUE(doc->caricaTesto(
      QStringLiteral("<xml><f id='a'><files><file>1</file><file>2</file></files></f>"
                     "<f id='b'><files/></f></xml>")));
  NodoXML primo = doc->selezionaNodo(QStringLiteral("/xml/f[@id='a']/files/file"));
  NodoXML staccato = primo.genitore().rimuoviFiglio(primo);
  ASSERT_TRUE(staccato);
  doc->selezionaNodo(QStringLiteral("/xml/f[@id='b']/files")).aggiungiFiglio(staccato);
  EXPECT_EQ(doc->selezionaNodi(QStringLiteral("/xml/f[@id='a']/files/file")).size(), 1);
  EXPECT_EQ(doc->selezionaNodo(QStringLiteral("/xml/f[@id='b']/files/file")).testo(),
            QStringLiteral("1"));
  // Left unattached: freed with the document (the sanitizer build checks it).
  doc->creaElemento(QStringLiteral("orfano")).aggiungiFiglio(doc->creaTesto(QStringLiteral("t")));
  NodoXML secondo = doc->selezionaNodo(QStringLiteral("/xml/f[@id='a']/files/file"));
  secondo.genitore().rimuoviFiglio(secondo);
  // Two adjacent texts merge; the handle returned is the one to keep.
  NodoXML contenitore = doc->creaElemento(QStringLiteral("c"));
  contenitore.aggiungiFiglio(doc->creaTesto(QStringLiteral("ab")));
  NodoXML unito = contenitore.aggiungiFiglio(doc->creaTesto(QStringLiteral("cd")));
  EXPECT_EQ(unito.testo(), QStringLiteral("abcd"));
}

TEST(DocumentoXML, LiteralsHoldAnyQuotesSafely) {
  auto doc = CreaDocumentoXML();
  ASSERT_TRUE(doc->caricaTesto(QStringLiteral("<xml><f/></xml>")));
  NodoXML f = doc->selezionaNodo(QStringLiteral("/xml/f"));
  for (const QString& valore :
       {QStringLiteral("semplice"), QStringLiteral("l'apostrofo"), QStringLiteral("le \"virgolette\""),
        QStringLiteral("l'una e \"l'altra\""), QStringLiteral("'"), QStringLiteral("'\"'"),
        QStringLiteral("<&>]")}) {
    f.impostaAttributo(QStringLiteral("id"), valore);
    const NodoXML trovato =
        doc->selezionaNodo(QStringLiteral("/xml/f[@id=") + LetteraleXPath(valore) + u']');
    EXPECT_TRUE(trovato == f) << valore.toStdString();
  }
  EXPECT_EQ(TestoXMLSicuro(QStringLiteral("a<b>&\"c\"")), QStringLiteral("a&lt;b&gt;&amp;&quot;c&quot;"));
}

TEST(DocumentoXML, EntityDeclarationsAndExternalEntitiesAreRefused) {
  CartellaProgrammaProva cartella(false);
  cartella.Scrivi(QStringLiteral("segreto.txt"), "segreto");
  auto doc = CreaDocumentoXML();
  EXPECT_FALSE(doc->caricaTesto(QStringLiteral(
      "<!DOCTYPE x [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">]><x>&b;</x>")));
  EXPECT_FALSE(doc->caricaTesto(
      QStringLiteral("<!DOCTYPE x [<!ENTITY e SYSTEM \"file://%1\">]><x>&e;</x>")
          .arg(cartella.file(QStringLiteral("segreto.txt")))));
  EXPECT_FALSE(doc->xml().contains("segreto"));
}

TEST(DocumentoXML, FailedSaveLeavesTheOldFileWhole) {
  CartellaProgrammaProva cartella(false);
  const QString percorso = cartella.file(QStringLiteral("album.xml"));
  auto doc = CreaDocumentoXML();
  ASSERT_TRUE(doc->caricaTesto(QStringLiteral("<xml><vecchio/></xml>")));
  ASSERT_TRUE(doc->salva(percorso));
  const QByteArray vecchio = cartella.Leggi(QStringLiteral("album.xml"));

  doc->radice().aggiungiFiglio(doc->creaElemento(QStringLiteral("nuovo")));
  {
    const CartellaSoloLettura soloLettura(cartella.percorso());
    EXPECT_FALSE(doc->salva(percorso));
  }
  EXPECT_EQ(cartella.Leggi(QStringLiteral("album.xml")), vecchio);
}

}  // namespace
