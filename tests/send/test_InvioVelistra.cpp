#include <gtest/gtest.h>

#include <QDir>
#include <algorithm>
#include <QFile>
#include <QRandomGenerator>

#include "ProvaInvio.h"
#include "common/Ansi.h"
#include "send/AccessoLaboratorio.h"
#include "send/InvioVelistra.h"
#include "send/PassiTransazione.h"
#include "album/FileAlbum.h"
#include "common/DocumentoXML.h"
#include "settings/cINIProfiles.h"
#include "support/LocaleProvvisorio.h"

namespace {

using Tipo = AvvisoInvio::Tipo;
using Tipi = QList<AvvisoInvio::Tipo>;

class InvioVelistraTest : public ProvaInvio {
 protected:
  void SetUp() override {
    ProvaInvio::SetUp();
    QDir().mkpath(percorsi.CartellaLavoro);
  }

  // An album of n photos of random bytes, titles with accents, in the order.
  void CreaAlbum(int n, int dimensione = 40000, int quantita = 1) {
    for (int i = 1; i <= n; ++i) {
      QByteArray byte(dimensione + i, '\0');
      for (char& b : byte) b = static_cast<char>(QRandomGenerator::global()->bounded(256));
      contenuti.append(byte);
    }
    foto = ScriviAlbumProva(programma, contenuti, quantita);
    ordine.Carica();
    albumInviato = programma.Leggi(QStringLiteral("Velistra.xml"));
  }
  // The lab's answer to the next price-list request: one format at this price.
  void PrezzoDel15x10(int centesimi) {
    ASSERT_TRUE(banco.GuastoWeb(QStringLiteral("risposta"), QStringLiteral("f_K_HTTPS_PREZZI"), 1, 0,
                                QStringLiteral("<xml><formato id=\"15x10\" descrizione=\"d\" amatoriale=\"1\">%1"
                                               "</formato></xml>").arg(centesimi)));
  }

  // An album of n photos whose transaction the ordinary customer has paid.
  BancoLaboratorio::Transazione AlbumPagato(int n) {
    CreaAlbum(n);
    Accedi(QStringLiteral("cliente"));
    Invia();
    const auto t = UnicaTransazione();
    return banco.Paga(t.id) ? t : BancoLaboratorio::Transazione{};
  }
  BancoLaboratorio::Transazione UnicaTransazione() {
    const auto transazioni = banco.Transazioni();
    EXPECT_EQ(transazioni.size(), 1);
    return transazioni.isEmpty() ? BancoLaboratorio::Transazione{} : transazioni.first();
  }
  QString Remoto(const BancoLaboratorio::Transazione& t, const QString& nome) const {
    return banco.cartellaFTP() + u'/' + t.utente + u'/' + t.cartella + u'/' + nome;
  }
  QByteArray LeggiRemoto(const BancoLaboratorio::Transazione& t, const QString& nome) const {
    QFile f(Remoto(t, nome));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(assente)");
  }
  int Caricamenti(const BancoLaboratorio::Transazione& t, const QString& nome) const {
    return banco.Caricamenti(t.utente + u'/' + t.cartella + u'/' + nome);
  }
  QString Mark() const {
    return cINIProfiles().GetPrivateProfileString(QStringLiteral("Opzioni"), QStringLiteral("FTPInCorso"),
                                                  QStringLiteral("?"), percorsi.PercorsoIni);
  }
  // The photos as they were written (a completed send empties the work folder).
  void ControllaOrdineCompleto(const BancoLaboratorio::Transazione& t) {
    for (int i = 0; i < foto.size(); ++i) EXPECT_EQ(LeggiRemoto(t, foto[i]), contenuti[i]);
    QString ordineAtteso;
    ASSERT_TRUE(ordine.StringaFileCondition(LeggiAlbum(albumInviato), ordineAtteso));
    EXPECT_TRUE(ordineAtteso.contains(QStringLiteral("Perù")));
    EXPECT_EQ(LeggiRemoto(t, QStringLiteral("Condition.txt")), InAnsi(ordineAtteso + QStringLiteral("\r\n")));
    EXPECT_EQ(LeggiRemoto(t, QStringLiteral("End.txt")), QByteArray());
    EXPECT_TRUE(LeggiRemoto(t, QStringLiteral("DatiUtente.jpg")).startsWith("\xFF\xD8"));
    // End.txt is the last file stored.
    QString ultimo;
    for (const auto& voce : banco.RegistroFTP())
      if (voce.evento == QStringLiteral("comando") && voce.comando == QStringLiteral("STOR")) ultimo = voce.percorso;
    EXPECT_TRUE(ultimo.endsWith(QStringLiteral("/End.txt"))) << ultimo.toStdString();
    // The local order files are gone.
    for (const char* nome : {"Condition.txt", "End.txt", "DatiUtente.jpg"})
      EXPECT_FALSE(QFile::exists(percorsi.CartellaLavoro + QString::fromLatin1(nome)));
  }

  QStringList foto;
  QList<QByteArray> contenuti;
  QByteArray albumInviato;
};

TEST_F(InvioVelistraTest, AffiliatedUserSendsAtOnceInActiveModeAndAllArrivesWithEndLast) {
  CreaAlbum(3);
  credenziali.passivo = false;
  Accedi(QStringLiteral("convenzionato"));
  Invia();

  const auto t = UnicaTransazione();
  EXPECT_TRUE(t.trasferito);
  EXPECT_EQ(LeggiRemoto(t, QStringLiteral("Velistra.xml")), albumInviato);
  ControllaOrdineCompleto(t);
  const auto registro = banco.RegistroFTP();
  EXPECT_TRUE(std::any_of(registro.begin(), registro.end(),
                          [](const auto& voce) { return voce.comando == "PORT" || voce.comando == "EPRT"; }));
  EXPECT_TRUE(vista.pagine.isEmpty());
  EXPECT_EQ(vista.tipi(), Tipi{Tipo::InvioTerminato});
  EXPECT_EQ(Mark(), QStringLiteral("0"));
  EXPECT_EQ(ordine.FTPInCorso(), 0);
  EXPECT_EQ(ordine.nuoviAlbum, 1);
  EXPECT_EQ(ordine.NumeroVoci({}), 0);
  EXPECT_TRUE(vista.chiusa);
  EXPECT_EQ(vista.massimo, 6);
  EXPECT_EQ(vista.valore, 6);
  // Three prints at the lab's 25 cents.
  EXPECT_EQ(foglio.testo, QStringLiteral("Rossi Anna\r\nPisa\r\nVia Roma 1\r\nUsername: convenzionato\r\n\r\n"
                                         "Prezzo indicativo (da verificare): \r\n€ 0,75\r\n\r\n"
                                         "Utente convenzionato"));
}

TEST_F(InvioVelistraTest, OrdinaryUserPaysOnThePageThenTheNextPressUploads) {
  // 2 photos of 2469 prints at 25 cents.
  CreaAlbum(2, 40000, 2469);
  Accedi(QStringLiteral("cliente"));
  Invia();
  EXPECT_EQ(vista.tipi(), Tipi{Tipo::Pagamento});
  ASSERT_EQ(vista.pagine.size(), 1);
  EXPECT_TRUE(vista.pagine[0].startsWith(QStringLiteral("https://127.0.0.1:")));
  EXPECT_EQ(Mark(), QStringLiteral("1"));
  EXPECT_EQ(UnicaTransazione().prezzo, QStringLiteral("1.234.50"));
  EXPECT_FALSE(vista.chiusa);
  EXPECT_TRUE(ordine.CatalogoDelLaboratorio());
  EXPECT_EQ(ordine.FTPInCorso(), 1);

  // Not paid yet: the page opens again.
  Invia();
  EXPECT_EQ(vista.pagine.size(), 2);
  EXPECT_EQ(banco.Transazioni().size(), 1);

  ASSERT_TRUE(banco.PagaDaPagina(vista.pagine.last()));
  vista.avvisi.clear();
  Invia();
  EXPECT_EQ(vista.tipi(), Tipi{Tipo::InvioTerminato});
  const auto t = UnicaTransazione();
  EXPECT_TRUE(t.pagato);
  EXPECT_TRUE(t.trasferito);
  ControllaOrdineCompleto(t);
  EXPECT_EQ(Mark(), QStringLiteral("0"));
}

TEST_F(InvioVelistraTest, AmountsBelowFiveCentsAreRefusedAndPricesTravelWithPoints) {
  CreaAlbum(1);
  Accedi(QStringLiteral("cliente"));
  PrezzoDel15x10(4);
  Invia();
  EXPECT_TRUE(vista.tipi().contains(Tipo::ImportoTroppoBasso));
  EXPECT_TRUE(vista.pagine.isEmpty());
  EXPECT_EQ(Mark(), QStringLiteral("0"));
  PrezzoDel15x10(5);
  Invia();
  EXPECT_EQ(UnicaTransazione().prezzo, QStringLiteral("0.05"));
  EXPECT_EQ(TestoPrezzo(1250), QStringLiteral("12.50"));
  const LocaleProvvisorio inglese(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(TestoPrezzo(123450), QStringLiteral("1.234.50"));
}

TEST_F(InvioVelistraTest, AnInterruptedSendResumesWithoutSendingAPhotoTwice) {
  CreaAlbum(5);
  Accedi(QStringLiteral("convenzionato"));
  // Slow enough for the press to come while the photos go.
  ASSERT_TRUE(banco.LimiteFTP(200));
  // Interrupt once two photos are on the server.
  vista.adOgniAvanzamento = [this] {
    const auto t = banco.Transazioni();
    if (!t.isEmpty() && QFile::exists(Remoto(t.first(), foto[1]))) invio.Interrompi();
  };
  Invia();
  EXPECT_EQ(vista.tipi(), (Tipi{Tipo::InterrottoDallUtente, Tipo::InvioInterrotto}));
  EXPECT_EQ(Mark(), QStringLiteral("1"));
  EXPECT_EQ(ordine.FTPInCorso(), 1);
  EXPECT_FALSE(vista.annullaAbilitato);
  auto t = UnicaTransazione();
  EXPECT_FALSE(QFile::exists(Remoto(t, QStringLiteral("End.txt"))));
  // The photo under way when the press came was finished; none went after it.
  EXPECT_FALSE(QFile::exists(Remoto(t, foto[4])));
  ASSERT_TRUE(banco.LimiteFTP(0));

  // The fourth photo was cut short on the server: it goes again, whole.
  ASSERT_TRUE(ScriviFile(Remoto(t, foto[3]), "pezzo"));

  vista.adOgniAvanzamento = nullptr;
  vista.avvisi.clear();
  Invia();
  EXPECT_EQ(vista.tipi(), Tipi{Tipo::InvioTerminato});
  t = UnicaTransazione();
  ControllaOrdineCompleto(t);
  for (const QString& nome : {foto[0], foto[1], foto[4], QStringLiteral("End.txt")})
    EXPECT_EQ(Caricamenti(t, nome), 1) << nome.toStdString();
  EXPECT_EQ(Mark(), QStringLiteral("0"));
}

TEST_F(InvioVelistraTest, AConnectionCutMidPhotoIsReportedAndTheNextPressFinishes) {
  CreaAlbum(3, 300000);
  Accedi(QStringLiteral("convenzionato"));
  ASSERT_TRUE(banco.TaglioFTP(100000, foto[1]));
  Invia();
  // The cut is a transport error, not a refusal of the server: the photo's
  // message carries no server text. A slow client may still read the
  // server's own reply to the broken transfer first.
  AvvisiInvio avvisi = vista.avvisi;
  if (!avvisi.isEmpty() && avvisi.first().tipo == Tipo::RispostaFTP) avvisi.removeFirst();
  EXPECT_EQ(avvisi, (AvvisiInvio{{Tipo::FileNonInviato}, {Tipo::ErroriDuranteInvio}}));
  EXPECT_EQ(Mark(), QStringLiteral("1"));
  vista.avvisi.clear();
  Invia();
  EXPECT_EQ(vista.tipi(), Tipi{Tipo::InvioTerminato});
  const auto t = UnicaTransazione();
  ControllaOrdineCompleto(t);
  EXPECT_EQ(Caricamenti(t, foto[0]), 1);
}

TEST_F(InvioVelistraTest, AServerAlbumChangedAfterItsDigestStopsTheSendBeforeAnyPhoto) {
  const auto t = AlbumPagato(2);
  ASSERT_FALSE(t.id.isEmpty());
  ASSERT_TRUE(banco.CambiaAlbum(t.id));
  vista.avvisi.clear();
  Invia();
  EXPECT_TRUE(vista.tipi().contains(Tipo::AlbumModificato));
  EXPECT_EQ(Caricamenti(t, foto[0]), 0);
  EXPECT_EQ(Mark(), QStringLiteral("1"));
}

TEST_F(InvioVelistraTest, APhotoRemovedLocallyOrNamedOutsideTheWorkFolderStopsTheSend) {
  const auto t = AlbumPagato(3);
  ASSERT_FALSE(t.id.isEmpty());
  QFile::remove(percorsi.CartellaLavoro + foto[1]);
  vista.avvisi.clear();
  Invia();
  EXPECT_TRUE(vista.tipi().contains(Tipo::FotoRimossa));
  EXPECT_EQ(Caricamenti(t, foto[0]), 1);
  EXPECT_EQ(Caricamenti(t, foto[2]), 0);
  EXPECT_EQ(Mark(), QStringLiteral("1"));

  // A hostile server album naming a local file elsewhere: nothing of it leaves.
  programma.Scrivi(QStringLiteral("segreto.txt"), "segreto");
  const QByteArray ostile = QStringLiteral(
      "<xml><formato id=\"15x10\"><files><file><nomecompleto>%1</nomecompleto><titolo>a</titolo>"
      "<quantita>1</quantita><formato>15x10</formato><ridimensionamento>FILLIN</ridimensionamento>"
      "</file></files></formato></xml>").arg(percorsi.CartellaLavoro + QStringLiteral("../segreto.txt")).toUtf8();
  ASSERT_TRUE(banco.CambiaAlbum(t.id, true, ostile));
  vista.avvisi.clear();
  Invia();
  EXPECT_EQ(Caricamenti(t, QStringLiteral("segreto.txt")), 0);
  EXPECT_EQ(Mark(), QStringLiteral("1"));
  EXPECT_FALSE(vista.tipi().contains(Tipo::InvioTerminato));
}

TEST_F(InvioVelistraTest, AServerAlbumWithoutAnOrderTextSendsNoOrderFilesAndKeepsTheAlbum) {
  const auto t = AlbumPagato(1);
  ASSERT_FALSE(t.id.isEmpty());
  // Its photo lies where the order text does not look for it.
  const QByteArray senzaFormato =
      QStringLiteral("<xml><gruppo><files><file><nomecompleto>%1</nomecompleto><titolo>a</titolo>"
                     "<quantita>1</quantita><formato>15x10</formato><ridimensionamento>FILLIN"
                     "</ridimensionamento></file></files></gruppo></xml>")
          .arg(percorsi.CartellaLavoro + foto[0])
          .toUtf8();
  ASSERT_TRUE(banco.CambiaAlbum(t.id, true, senzaFormato));
  vista.avvisi.clear();
  Invia();
  EXPECT_TRUE(vista.tipi().contains(Tipo::VelistraSenzaFoto));
  EXPECT_FALSE(vista.tipi().contains(Tipo::InvioTerminato));
  EXPECT_EQ(Caricamenti(t, QStringLiteral("Condition.txt")), 0);
  EXPECT_EQ(Caricamenti(t, QStringLiteral("End.txt")), 0);
  EXPECT_FALSE(UnicaTransazione().trasferito);
  EXPECT_EQ(Mark(), QStringLiteral("1"));
  EXPECT_EQ(ordine.nuoviAlbum, 0);
  EXPECT_EQ(ordine.NumeroVoci({}), 1);
}

TEST_F(InvioVelistraTest, CancellationAsksOnlyForAPaidTransaction) {
  CreaAlbum(1);
  Accedi(QStringLiteral("cliente"));
  // No transaction at all: still reported as removed.
  Cancella();
  EXPECT_EQ(vista.tipi(), Tipi{Tipo::VelistraEliminato});

  Invia();
  vista.avvisi.clear();
  Cancella();  // unpaid: no question
  EXPECT_EQ(vista.tipi(), Tipi{Tipo::VelistraEliminato});
  EXPECT_TRUE(UnicaTransazione().cancellata);
  EXPECT_EQ(Mark(), QStringLiteral("0"));

  Invia();
  auto transazioni = banco.Transazioni();
  ASSERT_EQ(transazioni.size(), 2);
  ASSERT_TRUE(banco.Paga(transazioni.last().id));
  vista.avvisi.clear();
  vista.risposte = {false};
  Cancella();
  EXPECT_EQ(vista.tipi(), Tipi{Tipo::ConfermaCancellazione});
  EXPECT_FALSE(banco.Transazioni().last().cancellata);
  EXPECT_EQ(Mark(), QStringLiteral("1"));

  vista.risposte = {true};
  Cancella();
  EXPECT_TRUE(banco.Transazioni().last().cancellata);
  EXPECT_EQ(vista.tipi().last(), Tipo::VelistraEliminato);
  EXPECT_EQ(vista.domande, 2);
  EXPECT_EQ(Mark(), QStringLiteral("0"));
}

TEST_F(InvioVelistraTest, TheFTPConnectionGoesThroughTheProxyWhenOneIsNamed) {
  CreaAlbum(2);
  credenziali.proxy = banco.proxy();
  Accedi(QStringLiteral("convenzionato"));
  Invia();
  ControllaOrdineCompleto(UnicaTransazione());
  EXPECT_FALSE(banco.TunnelProxy().isEmpty());
  for (const QString& tunnel : banco.TunnelProxy()) EXPECT_TRUE(tunnel.startsWith(QStringLiteral("127.0.0.1:")));
}

TEST_F(InvioVelistraTest, AnUnsafeOrEmptyTransactionFolderStopsBeforeAnythingIsCreated) {
  CreaAlbum(1);
  Accedi(QStringLiteral("convenzionato"));
  const QList<std::tuple<QString, Tipo, Tipo>> casi{
      {QStringLiteral("../fuori\r\nDELE x"), Tipo::CartellaNonValida, Tipo::CartellaFTPNonCreata},
      {QString(), Tipo::CartellaFTPNonCreata, Tipo::CartellaNonValida}};
  for (const auto& [cartella, atteso, altro] : casi) {
    vista.avvisi.clear();
    ASSERT_TRUE(banco.CartellaImposta(cartella));
    Invia();
    EXPECT_TRUE(vista.tipi().contains(atteso));
    EXPECT_FALSE(vista.tipi().contains(altro));
    Cancella();
  }
  for (const auto& voce : banco.RegistroFTP())
    EXPECT_TRUE(voce.comando != "MKD" && voce.comando != "STOR") << voce.comando.toStdString();
}

TEST_F(InvioVelistraTest, APriceListReplacesTheCatalogueOnlyWhenItIsOne) {
  const QString catalogo = QStringLiteral("Formati.xml");
  programma.Scrivi(catalogo, "<xml><formato id=\"vecchio\"/></xml>");
  Accedi(QStringLiteral("cliente"));
  for (const char* guasto : {"non_xml", "vuota"}) {
    ASSERT_TRUE(banco.GuastoWeb(QString::fromLatin1(guasto), QStringLiteral("f_K_HTTPS_PREZZI"), 1));
    EXPECT_FALSE(AggiornaPrezziario());
    EXPECT_EQ(vista.tipi(), Tipi{Tipo::ListinoNonValido});
    EXPECT_EQ(programma.Leggi(catalogo), QByteArray("<xml><formato id=\"vecchio\"/></xml>"));
  }
  ASSERT_TRUE(banco.GuastoWeb(QStringLiteral("risposta"), QStringLiteral("f_K_HTTPS_PREZZI"), 1, 0,
                              QStringLiteral("<xml><formato nome=\"senza id\"/></xml>")));
  EXPECT_FALSE(AggiornaPrezziario());
  EXPECT_EQ(vista.tipi(), Tipi{Tipo::ListinoNonValido});
  EXPECT_FALSE(ordine.CatalogoDelLaboratorio());

  EXPECT_TRUE(AggiornaPrezziario());
  EXPECT_TRUE(ordine.CatalogoDelLaboratorio());
  auto letto = CreaDocumentoXML(programma.file(catalogo));
  EXPECT_GT(letto->selezionaNodi(QStringLiteral("/xml/formato[@id]")).size(), 1);
  EXPECT_FALSE(letto->selezionaNodo(QStringLiteral("/xml/formato[@id='vecchio']")));
}

TEST_F(InvioVelistraTest, WithTheNetworkDownEveryRequestSaysSoOnceAndNothingChanges) {
  CreaAlbum(1);
  Accedi(QStringLiteral("cliente"));
  banco.Ferma();
  AvvisiInvio avvisi;
  EXPECT_FALSE(AccediAlLaboratorio(server, credenziali.username, credenziali.password, avvisi).UtenteEsiste);
  EXPECT_EQ(avvisi, AvvisiInvio{{Tipo::ConnessioneNonRiuscita}});

  Invia();
  // Two transaction lookups, then the FTP session cannot open.
  EXPECT_EQ(vista.tipi(), (Tipi{Tipo::ConnessioneNonRiuscita, Tipo::ConnessioneNonRiuscita,
                                Tipo::AccessoFTPNonRiuscito}));
  EXPECT_EQ(Mark(), QStringLiteral("0"));
}

TEST_F(InvioVelistraTest, LoginReadsExistenceAsABooleanAndRemovesLineBreaksFirst) {
  AvvisiInvio avvisi;
  const auto conRisposta = [&](const QString& esiste) {
    banco.GuastoWeb(QStringLiteral("risposta"), QStringLiteral("f_K_HTTPS_LOGIN"), 1, 0,
                    QStringLiteral("<xml><utente><esiste>%1</esiste><convenzionato>-1</convenzionato>"
                                   "<passwd_ftp>x\r\ny</passwd_ftp></utente></xml>").arg(esiste));
    return AccediAlLaboratorio(server, QStringLiteral("cliente"), QStringLiteral("p"), avvisi);
  };
  const DatiAccesso dati = conRisposta(QStringLiteral("-1"));
  EXPECT_TRUE(dati.UtenteEsiste);
  EXPECT_TRUE(dati.UtenteConvenzionato);
  EXPECT_EQ(dati.PasswordFTP, QStringLiteral("xy"));
  EXPECT_FALSE(conRisposta(QStringLiteral("0")).UtenteEsiste);
  banco.GuastoWeb(QStringLiteral("risposta"), QStringLiteral("f_K_HTTPS_LOGIN"), 1, 0,
                  QStringLiteral("<xml><utente/></xml>"));
  EXPECT_FALSE(AccediAlLaboratorio(server, QStringLiteral("cliente"), QStringLiteral("p"), avvisi).UtenteEsiste);

  // The real service: a password with "&", "=", "+", "%" and a space arrives unchanged.
  const auto cliente = banco.utente(QStringLiteral("cliente"));
  const DatiAccesso vero = AccediAlLaboratorio(server, cliente.nome, cliente.password, avvisi);
  EXPECT_TRUE(vero.UtenteEsiste);
  EXPECT_FALSE(vero.UtenteConvenzionato);
  EXPECT_EQ(vero.PasswordFTP, cliente.passwordFTP);
  EXPECT_FALSE(AccediAlLaboratorio(server, cliente.nome, cliente.password + u' ', avvisi).UtenteEsiste);
  EXPECT_TRUE(avvisi.isEmpty());
}

}  // namespace
