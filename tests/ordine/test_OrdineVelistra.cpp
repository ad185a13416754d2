#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <limits>
#include <utility>

#include "CartellaOrdineProva.h"
#include "common/SincronizzaDisco.h"
#include "ordine/CartellaOrdine.h"
#include "ordine/OrdineVelistra.h"
#include "settings/Impostazioni.h"
#include "support/CartellaProgrammaProva.h"
#include "support/SenzaPermessiRoot.h"
#include "support/SvolgiOperazione.h"

namespace {

const QString k15x10 = QStringLiteral("15x10");

QStringList File(const QString& cartella) {
  return QDir(cartella).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// The disk calls of the order copies replaced for the test's lifetime.
class DiscoFinto {
 public:
  DiscoFinto() = default;
  ~DiscoFinto() { Disco() = originali_; }
  DiscoFinto(const DiscoFinto&) = delete;
  DiscoFinto& operator=(const DiscoFinto&) = delete;
  const ChiamateDisco& originali() const { return originali_; }

 private:
  ChiamateDisco originali_ = Disco();
};

QString PercorsoDescrittore(int fd) {
  return QFileInfo(QStringLiteral("/proc/self/fd/%1").arg(fd)).symLinkTarget();
}

// An order of the installed catalogue (15x10 at 25 cents, 13x9 at 19) with
// two photos in a folder of the customer's.
class Ordine : public ::testing::Test {
 protected:
  CartellaProgrammaProva programma;
  QTemporaryDir cliente;
  OrdineVelistra ordine{programma.percorsi()};
  QStringList importi;
  // Each count change as "format voci/vociTotali".
  QStringList voci;
  QString a, b;
  FoglioProva foglio;
  QTemporaryDir supporto;
  QString cartella;

  void SetUp() override {
    QObject::connect(&ordine, &OrdineVelistra::importoCambiato, [this](const QString& testo) { importi.append(testo); });
    QObject::connect(&ordine, &OrdineVelistra::vociCambiate, [this](const QString& formato, int n, int totale) {
      voci.append(QStringLiteral("%1 %2/%3").arg(formato).arg(n).arg(totale));
    });
    QDir().mkpath(programma.percorsi().CartellaLavoro);
    ordine.catalogo().CaricaFormati();
    ASSERT_TRUE(ordine.album().CaricaVelistra(ordine.catalogo().TuttiGliIdFormati()));
    cartella = supporto.filePath(QStringLiteral("VE2612071530/"));
    a = cliente.filePath(QStringLiteral("a.jpg"));
    b = cliente.filePath(QStringLiteral("b.png"));
    for (const QString& foto : {a, b}) ASSERT_TRUE(ScriviFile(foto, foto.toUtf8()));
  }
  // The order folder written to its end, or stopped when ferma says so; the
  // photo counts of its steps in foto.
  RisultatoCartella ScriviCartella(const std::function<bool(int)>& ferma = {}, QList<QPair<int, int>>* foto = nullptr) {
    const std::unique_ptr<OperazioneCartella> scrittura = ordine.ScriviCartellaOrdine(cartella, foglio);
    for (const PassoOperazione& passo : Svolgi(*scrittura, {}, ferma))
      if (foto && passo.fotoTotali > 0) foto->append({passo.foto, passo.fotoTotali});
    return scrittura->Concludi();
  }
  QString UltimoImporto() const { return importi.isEmpty() ? QString() : importi.last(); }
  VoceAlbum Prima(const QString& formato) const { return ordine.album().Voci(formato).value(0); }
};

// Each operation on a list of photos saves and reprices itself: the amount and
// the counts after each are those of the album as it stands.
TEST_F(Ordine, EachOperationLeavesItsEntriesCopiesAmountAndCountsTogether) {
  const Copiate copiate = Copia(ordine.CopiaNelFormato(k15x10, DaCopiare({a, b})));
  ASSERT_EQ(copiate.risultato.esito, EsitoFoto::Fatto);
  EXPECT_EQ(copiate.risultato.fatte, 2);
  ASSERT_EQ(copiate.copie.size(), 2);
  const QString primo = copiate.copie[0];
  const QString secondo = copiate.copie[1];
  EXPECT_EQ(QFileInfo(primo).fileName(), QStringLiteral("imgVE_000001.jpg"));
  EXPECT_EQ(UltimoImporto(), QStringLiteral("€ 0,50"));
  EXPECT_EQ(Prima(k15x10), (VoceAlbum{primo, "a.jpg", 1, k15x10, "FILLIN"}));
  EXPECT_EQ(ordine.ImpostaRidimensionamento(k15x10, {secondo}, QStringLiteral("NONE")).esito, EsitoFoto::Fatto);
  const RisultatoOperazione altrove = ordine.ImpostaQuantita(QStringLiteral("13x9"), {secondo}, 2);
  EXPECT_EQ(altrove.esito, EsitoFoto::NonTrovata);
  EXPECT_EQ(altrove.foto, secondo);

  // The prints reprice at once, with nothing else asked of the order.
  EXPECT_EQ(ordine.ImpostaQuantita(k15x10, {primo}, 3).esito, EsitoFoto::Fatto);
  EXPECT_EQ(ordine.ImportoCorrente(), 4 * 25);
  EXPECT_EQ(UltimoImporto(), QStringLiteral("€ 1,00"));
  EXPECT_EQ(ordine.Sposta(k15x10, QStringLiteral("13x9"), {primo}).esito, EsitoFoto::Fatto);
  EXPECT_EQ(ordine.ImportoCorrente(), 25 + 19);
  EXPECT_EQ(UltimoImporto(), QStringLiteral("€ 0,44"));
  EXPECT_EQ(Prima(QStringLiteral("13x9")), (VoceAlbum{primo, "a.jpg", 1, "13x9", "FILLIN"}));
  // Gone from its format: neither a copy nor a move finds it there again.
  EXPECT_EQ(Copia(ordine.CopiaTraFormati(k15x10, QStringLiteral("20x15"), DaCopiare({primo}))).risultato.esito,
            EsitoFoto::NonTrovata);
  EXPECT_EQ(ordine.Sposta(k15x10, QStringLiteral("20x15"), {primo}).esito, EsitoFoto::NonTrovata);

  const Copiate traFormati =
      Copia(ordine.CopiaTraFormati(QStringLiteral("13x9"), QStringLiteral("20x15"), DaCopiare({primo}, {"a.jpg"})));
  ASSERT_EQ(traFormati.risultato.esito, EsitoFoto::Fatto);
  EXPECT_NE(traFormati.copia(), primo);
  EXPECT_EQ(ordine.Cancella({}, {secondo}).esito, EsitoFoto::Fatto);
  EXPECT_FALSE(QFile::exists(secondo));
  EXPECT_EQ(UltimoImporto(), QStringLiteral("€ 1,18"));
  EXPECT_EQ(ordine.NumeroVoci({}), 2);
  // Every change of a count, with the format that holds the entry when the
  // delete named none; the failed operations above changed nothing.
  EXPECT_EQ(voci, (QStringList{"15x10 1/1", "15x10 2/2", "15x10 1/2", "13x9 1/2", "20x15 1/3", "15x10 0/2"}));
  EXPECT_EQ(File(programma.percorsi().CartellaLavoro), (QStringList{"imgVE_000001.jpg", "imgVE_000003.jpg"}));
  // What the next run loads, once the saves the operations started have ended
  // (in order: the last one's album is on disk).
  ASSERT_EQ(AttendiSalvataggi(ordine), EsitoSalvataggio::Salvato);
  EXPECT_EQ(Impostazioni(programma.percorsi()).ContatoreFoto(), 3);
  AlbumVelistra salvato(programma.percorsi());
  ASSERT_TRUE(salvato.CaricaVelistra(ordine.catalogo().TuttiGliIdFormati()));
  EXPECT_EQ(salvato.Formati(), ordine.album().Formati());

  ordine.CreaNuovoVelistra();
  EXPECT_EQ(ordine.NumeroVoci({}), 0);
  EXPECT_TRUE(File(programma.percorsi().CartellaLavoro).isEmpty());
  EXPECT_EQ(UltimoImporto(), QStringLiteral("€ 0,00"));
}

TEST_F(Ordine, ACopyStopsAtThePhotoItCannotHandleAndKeepsThoseBefore) {
  ASSERT_TRUE(QFile::remove(b));
  const Copiate copiate = Copia(ordine.CopiaNelFormato(k15x10, DaCopiare({a, b, a})));
  EXPECT_EQ(copiate.risultato.esito, EsitoFoto::CopiaNonRiuscita);
  EXPECT_EQ(copiate.risultato.foto, b);
  EXPECT_EQ(copiate.risultato.fatte, 1);
  EXPECT_EQ(ordine.NumeroVoci({}), 1);
  EXPECT_EQ(UltimoImporto(), QStringLiteral("€ 0,25"));
  EXPECT_EQ(File(programma.percorsi().CartellaLavoro), QStringList{"imgVE_000001.jpg"});
}

// A format of a price list downloaded after the album was loaded, one that no
// catalogue offers, a photo gone from the customer's folder and a counter at its limit.
TEST_F(Ordine, ANewFormatOfTheCatalogueGetsItsPlaceAndAPhotoWithNoPlaceNoFileOrNoKeyLeavesNothing) {
  QStringList senza = ordine.catalogo().TuttiGliIdFormati();
  senza.removeAll(QStringLiteral("20x15"));
  ordine.album().EliminaCartellaERicreaXML(senza);
  EXPECT_EQ(Copia(ordine.CopiaNelFormato(QStringLiteral("99x99"), DaCopiare({a}))).risultato.esito,
            EsitoFoto::FormatoAssente);
  ASSERT_TRUE(QFile::remove(b));
  EXPECT_EQ(Copia(ordine.CopiaNelFormato(k15x10, DaCopiare({b}))).risultato.esito, EsitoFoto::CopiaNonRiuscita);
  const std::int32_t limite = std::numeric_limits<std::int32_t>::max();
  ordine.album().ImpostaContatoreFoto(limite);
  EXPECT_EQ(Copia(ordine.CopiaNelFormato(k15x10, DaCopiare({a}))).risultato.esito, EsitoFoto::ContatoreEsaurito);
  EXPECT_EQ(ordine.album().ContatoreFoto(), limite);
  EXPECT_EQ(ordine.NumeroVoci({}), 0);
  EXPECT_EQ(ordine.ImportoCorrente(), 0);
  EXPECT_TRUE(File(programma.percorsi().CartellaLavoro).isEmpty());
  ordine.album().ImpostaContatoreFoto(0);

  const QString copia = Copia(ordine.CopiaNelFormato(k15x10, DaCopiare({a}))).copia();
  EXPECT_EQ(ordine.Sposta(k15x10, QStringLiteral("99x99"), {copia}).esito, EsitoFoto::FormatoAssente);
  EXPECT_EQ(ordine.Sposta(k15x10, QStringLiteral("20x15"), {copia}).esito, EsitoFoto::Fatto);
  EXPECT_EQ(Copia(ordine.CopiaNelFormato(QStringLiteral("20x15"), DaCopiare({a}))).risultato.esito, EsitoFoto::Fatto);
  EXPECT_EQ(ordine.NumeroVoci(k15x10), 0);
  EXPECT_EQ(ordine.ImportoCorrente(), 2 * 99);
  // Saved with the format at the end, where the next start would have put it.
  ASSERT_EQ(AttendiSalvataggi(ordine), EsitoSalvataggio::Salvato);
  AlbumVelistra salvato(programma.percorsi());
  ASSERT_TRUE(salvato.CaricaVelistra(senza));
  EXPECT_EQ(salvato.Formati().last().id, QStringLiteral("20x15"));
  EXPECT_EQ(salvato.Formati().last().voci.size(), 2);
  EXPECT_EQ(salvato.Formati().size(), senza.size() + 1);
}

TEST_F(Ordine, TheSendMarkIsReadFromTheSettingsAndWrittenThereByEveryChange) {
  ASSERT_TRUE(ordine.ImpostaFTPInCorso(1));
  EXPECT_TRUE(Impostazioni(programma.percorsi()).FTPInCorso());
  OrdineVelistra riaperto(programma.percorsi());
  riaperto.LeggiFTPInCorso();
  EXPECT_EQ(riaperto.FTPInCorso(), 1);
  ASSERT_TRUE(riaperto.ImpostaFTPInCorso(0));
  EXPECT_FALSE(Impostazioni(programma.percorsi()).FTPInCorso());
  EXPECT_EQ(riaperto.FTPInCorso(), 0);
}

TEST_F(Ordine, TheOrderFolderGetsItsEndMarkerOnlyWhenEverythingBeforeItIsThere) {
  EXPECT_EQ(ScriviCartella().esito, EsitoCartella::AlbumVuoto);

  const QString copiaA = Copia(ordine.CopiaNelFormato(k15x10, DaCopiare({a}))).copia();
  Copia(ordine.CopiaNelFormato(QStringLiteral("13x9"), DaCopiare({b})));
  ASSERT_TRUE(PreparaCartellaOrdine(cartella));
  QList<QPair<int, int>> foto;
  EXPECT_EQ(ScriviCartella({}, &foto).esito, EsitoCartella::Creata);
  EXPECT_EQ(File(cartella), (QStringList{"Condition.txt", "DatiUtente.jpg", "End.txt", "imgVE_000001.jpg",
                                         "imgVE_000002.png"}));
  EXPECT_EQ(foto, (QList<QPair<int, int>>{{1, 2}, {2, 2}}));
  EXPECT_EQ(LeggiFile(cartella + QStringLiteral("imgVE_000001.jpg")), LeggiFile(copiaA));
  EXPECT_TRUE(foglio.testo.startsWith(QStringLiteral("Rossi Anna\r\nPisa\r\nVia Roma 1\r\n\r\n")));
  EXPECT_TRUE(foglio.testo.contains(QStringLiteral("€ 0,44")));

  // Stopped by the user after the first photo, then a work copy gone.
  ASSERT_TRUE(PreparaCartellaOrdine(cartella));
  EXPECT_EQ(ScriviCartella([](int fatti) { return fatti == 1; }).esito, EsitoCartella::Interrotta);
  EXPECT_FALSE(QFile::exists(cartella + QStringLiteral("End.txt")));
  ASSERT_TRUE(QFile::remove(copiaA));
  ASSERT_TRUE(PreparaCartellaOrdine(cartella));
  EXPECT_EQ(ScriviCartella().esito, EsitoCartella::FotoRimossa);
  EXPECT_FALSE(QFile::exists(cartella + QStringLiteral("End.txt")));
}

TEST_F(Ordine, AFolderThatRefusesWritesMidwayNamesTheFileAndGetsNoOrderFiles) {
  Copia(ordine.CopiaNelFormato(k15x10, DaCopiare({a, b})));
  const SenzaPermessiRoot senzaPermessi;
  ASSERT_TRUE(PreparaCartellaOrdine(cartella));
  const RisultatoCartella risultato = ScriviCartella([&](int fatti) {
    if (fatti == 1) QFile::setPermissions(cartella, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    return false;
  });
  QFile::setPermissions(cartella, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  EXPECT_EQ(risultato.esito, EsitoCartella::ScritturaNonRiuscita);
  EXPECT_EQ(risultato.nome, QStringLiteral("imgVE_000002.png"));
  for (const char* nome : {"End.txt", "Condition.txt", "DatiUtente.jpg"})
    EXPECT_FALSE(QFile::exists(cartella + QLatin1String(nome))) << nome;
}

TEST_F(Ordine, TheEndMarkerComesOnlyOnceEveryFileAndTheFolderAreOnTheMedium) {
  Copia(ordine.CopiaNelFormato(k15x10, DaCopiare({a, b})));
  // The album's save flushes too: it ends before the disk calls are replaced.
  AttendiSalvataggi(ordine);
  ASSERT_TRUE(PreparaCartellaOrdine(cartella));
  const DiscoFinto finto;
  // Each flush on the medium with the files the order folder held at that
  // moment: a file saved atomically is flushed under its name, then its folder.
  QStringList flush;
  Disco().sincronizza = [&](int fd) {
    const QString percorso = PercorsoDescrittore(fd);
    if (percorso.startsWith(supporto.path()))
      flush.append(QFileInfo(percorso).fileName() + u' ' + File(cartella).join(u','));
    return finto.originali().sincronizza(fd);
  };
  ASSERT_EQ(ScriviCartella().esito, EsitoCartella::Creata);
  const QString copie = QStringLiteral("imgVE_000001.jpg,imgVE_000002.png");
  const QString foglioCopie = QStringLiteral("DatiUtente.jpg,") + copie;
  const QString scritte = QStringLiteral("Condition.txt,") + foglioCopie;
  const QString complete = QStringLiteral("Condition.txt,DatiUtente.jpg,End.txt,") + copie;
  EXPECT_EQ(flush.join(u'\n').toStdString(),
            QStringList({"imgVE_000001.jpg " + copie, "imgVE_000002.png " + copie, "DatiUtente.jpg " + foglioCopie,
                         "VE2612071530 " + foglioCopie, "Condition.txt " + scritte, "VE2612071530 " + scritte,
                         "VE2612071530 " + scritte, QDir(supporto.path()).dirName() + u' ' + scritte,
                         "End.txt " + complete, "VE2612071530 " + complete})
                .join(u'\n')
                .toStdString());
}

// A photo whose flush fails, one whose copy differs from it, the customer
// sheet or the folder's entries that cannot be flushed before or after the end
// marker.
TEST_F(Ordine, AFailedFlushOrACopyThatDiffersNamesTheFileAndItsFolderAndWritesNoEndMarker) {
  Copia(ordine.CopiaNelFormato(k15x10, DaCopiare({a, b})));
  AttendiSalvataggi(ordine);
  const DiscoFinto finto;
  const ChiamateDisco originali = finto.originali();
  const auto flushNonRiuscito = [&](const std::function<bool(const QString&)>& guasto) {
    return ChiamateDisco{originali.scrivi, [=](int fd) {
                           if (!guasto(PercorsoDescrittore(fd))) return originali.sincronizza(fd);
                           errno = EIO;
                           return -1;
                         }};
  };
  const auto cartellaOrdine = [](const QString& percorso) { return percorso.endsWith(QStringLiteral("/VE2612071530")); };
  const ChiamateDisco secondaAlterata{[=](int fd, const void* dati, std::size_t n) {
                                        if (!PercorsoDescrittore(fd).endsWith(QStringLiteral("imgVE_000002.png")))
                                          return originali.scrivi(fd, dati, n);
                                        QByteArray alterati(static_cast<const char*>(dati), static_cast<qsizetype>(n));
                                        alterati[n / 2] = static_cast<char>(~alterati[n / 2]);
                                        return originali.scrivi(fd, alterati.constData(), n);
                                      },
                                      originali.sincronizza};
  const QString superiore = supporto.path() + u'/';
  const QList<std::pair<ChiamateDisco, RisultatoCartella>> guasti{
      {flushNonRiuscito([](const QString& p) { return p.endsWith(QStringLiteral("imgVE_000001.jpg")); }),
       {EsitoCartella::ScritturaNonRiuscita, QStringLiteral("imgVE_000001.jpg"), cartella}},
      {secondaAlterata, {EsitoCartella::ScritturaNonRiuscita, QStringLiteral("imgVE_000002.png"), cartella}},
      {flushNonRiuscito([](const QString& p) { return p.endsWith(QStringLiteral("DatiUtente.jpg")); }),
       {EsitoCartella::ScritturaNonRiuscita, QStringLiteral("DatiUtente.jpg"), cartella}},
      {flushNonRiuscito(cartellaOrdine), {EsitoCartella::ScritturaNonRiuscita, QStringLiteral("DatiUtente.jpg"), cartella}},
      {flushNonRiuscito([&](const QString& p) { return p == supporto.path(); }),
       {EsitoCartella::ScritturaNonRiuscita, QStringLiteral("VE2612071530"), superiore}},
      {flushNonRiuscito([&](const QString& p) { return cartellaOrdine(p) && QFile::exists(cartella + "End.txt"); }),
       {EsitoCartella::ScritturaNonRiuscita, QStringLiteral("End.txt"), cartella}}};
  for (const auto& [chiamate, atteso] : guasti) {
    ASSERT_TRUE(PreparaCartellaOrdine(cartella));
    Disco() = chiamate;
    const RisultatoCartella risultato = ScriviCartella();
    EXPECT_EQ(risultato.esito, atteso.esito) << atteso.nome.toStdString();
    EXPECT_EQ(risultato.nome, atteso.nome);
    EXPECT_EQ(risultato.dove, atteso.dove) << atteso.nome.toStdString();
    if (atteso.nome != QLatin1String("End.txt")) EXPECT_FALSE(QFile::exists(cartella + QStringLiteral("End.txt")));
  }
}

}  // namespace
