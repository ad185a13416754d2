#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QProcess>
#include <QProgressBar>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

#include "RitardoCiclo.h"
#include "album/SceltaFormato.h"
#include "windows/AlberoCartelle.h"
#include "mainwindow/frmScegliFoto.h"
#include "settings/Impostazioni.h"
#include "support/Attesa.h"
#include "support/CartellaProgrammaProva.h"
#include "support/PiattaformaFinta.h"
#include "thumbview/ctrFotoView.h"
#include "support/FotoHeifProva.h"
#include "support/FotoProva.h"

namespace {

// A window of an installed program, loaded and shown, with no window of its
// own at the first activation.
struct Banco {
  CartellaProgrammaProva programma;
  PiattaformaFinta piattaforma;
  std::unique_ptr<OrdineVelistra> ordine;
  std::unique_ptr<frmScegliFoto> finestra;

  Banco() {
    const PercorsiProgramma percorsi = programma.percorsi();
    QFile::link(QStringLiteral(KELMORA_LIBRERIA), programma.file(QStringLiteral("libKelmora.so")));
    QDir().mkpath(percorsi.CartellaLavoro);
    const Impostazioni impostazioni(percorsi);
    impostazioni.ScriviDatiUtente({});
    impostazioni.ScriviNonMostrareMessaggio(true);
    DimensioniFinestra dimensioni;
    dimensioni.FormMassimizzata = false;
    dimensioni.LarghezzaForm = 18000;
    dimensioni.AltezzaForm = 12000;
    impostazioni.ScriviDimensioni(dimensioni, true);
    ordine = std::make_unique<OrdineVelistra>(percorsi);
    finestra = std::make_unique<frmScegliFoto>(percorsi, DatiServer{}, *ordine);
    finestra->CaricaFinestra();
    finestra->show();
    finestra->EseguiPrimaAttivazione();
    AttendiFinche([this] { return finestra->FinestraAttivata() && !finestra->OperazioneInCorso(); });
  }
};

// Writes n copies of one encoded picture under different names; with
// distinte each has its own size, as a camera's photos of one scene do, so
// that the duplicate check reads none of them (bytes after the picture's end
// are ignored by decoders).
QStringList ScriviCopie(const QString& cartella, const QByteArray& jpeg, int n, bool distinte = false) {
  const QString prima = cartella + QStringLiteral("/foto_00000.jpg");
  ScriviFoto(prima, jpeg);
  QStringList percorsi{prima};
  for (int i = 1; i < n; ++i) {
    const QString percorso = cartella + QStringLiteral("/foto_%1.jpg").arg(i, 5, 10, QLatin1Char('0'));
    if (distinte)
      ScriviFoto(percorso, jpeg + QByteArray(i, '\0'));
    else
      QFile::copy(prima, percorso);
    percorsi.append(percorso);
  }
  return percorsi;
}

QImage Rumore(int larghezza, int altezza) {
  QImage immagine(larghezza, altezza, QImage::Format_RGB32);
  QRandomGenerator caso(7);
  for (int y = 0; y < altezza; ++y) {
    auto* riga = reinterpret_cast<quint32*>(immagine.scanLine(y));
    for (int x = 0; x < larghezza; ++x) riga[x] = 0xFF000000u | (caso.generate() & 0x3F3F3Fu) | ((x * 255 / larghezza) << 16);
  }
  return immagine;
}

// Dirty pages of an earlier phase are written out first, so that each timed
// phase starts from the same state of the disk.
void Sincronizza() { QProcess::execute(QStringLiteral("sync"), {}); }

// cp of the files, and with conSync the flush of the copies and of their
// folder that follows it (sync with names flushes each one).
double TempoCp(const QStringList& foto, const QString& destinazione, bool conSync) {
  QDir().mkpath(destinazione);
  QStringList copie;
  for (const QString& f : foto) copie.append(destinazione + u'/' + QFileInfo(f).fileName());
  Sincronizza();
  QElapsedTimer tempo;
  tempo.start();
  QProcess::execute(QStringLiteral("cp"), QStringList(foto) << destinazione);
  if (conSync) QProcess::execute(QStringLiteral("sync"), copie << destinazione);
  return tempo.nsecsElapsed() / 1e6;
}

double Cronometra(const std::function<void()>& operazione) {
  Sincronizza();
  QElapsedTimer tempo;
  tempo.start();
  operazione();
  return tempo.nsecsElapsed() / 1e6;
}

struct Tempi {
  double cp = 1e300;
  double cpSync = 1e300;  // only when asked for
  double operazione = 1e300;
  double ritardoPeggiore = 0;  // of the GUI thread during the operation, every round
};

double EseguiNelCiclo(frmScegliFoto& finestra, const std::function<void()>& avvia) {
  return ::EseguiNelCiclo([&] { return finestra.OperazioneInCorso(); }, avvia);
}

// n small photos: all JPEGs, or with misti each format the folder view takes in turn.
void ScriviCartella(const QString& cartella, int n, bool misti) {
  const QImage immagine = Rumore(160, 120);
  if (!misti) {
    ScriviCopie(cartella, Codifica(immagine, "jpeg"), n);
    return;
  }
  OpzioniHeif avif;
  avif.avif = true;
  const QList<std::pair<QString, QByteArray>> formati{
      {QStringLiteral("jpg"), Codifica(immagine, "jpeg")}, {QStringLiteral("png"), Codifica(immagine, "png")},
      {QStringLiteral("tif"), Codifica(immagine, "tiff")}, {QStringLiteral("webp"), Codifica(immagine, "webp")},
      {QStringLiteral("heic"), CodificaHeif(immagine)},    {QStringLiteral("avif"), CodificaHeif(immagine, avif)}};
  for (int i = 0; i < n; ++i) {
    const auto& [estensione, byte] = formati[i % formati.size()];
    ScriviFoto(cartella + QStringLiteral("/foto_%1.").arg(i, 5, 10, QLatin1Char('0')) + estensione, byte);
  }
}

struct FigureCartella {
  double primaPagina = 0;
  double ritardo = 0;
};

// RefreshFoto of a folder of n small photos: the listing and the thumbnails on
// the worker, each thumbnail added on the GUI thread.
FigureCartella BancoCartella(int n, bool misti) {
  QTemporaryDir foto;
  ScriviCartella(foto.path(), n, misti);
  Banco banco;
  frmScegliFoto& finestra = *banco.finestra;
  ctrFotoView* vista = finestra.Controlli().fvFotoCartella;
  QElapsedTimer tempo;
  qint64 primaPagina = -1;
  qint64 ultimoPasso = 0;
  qint64 passoPiuLungo = 0;
  QObject::connect(finestra.Controlli().pbAvanzamento, &QProgressBar::valueChanged, [&](int) {
    const qint64 ora = tempo.nsecsElapsed();
    passoPiuLungo = std::max(passoPiuLungo, ora - ultimoPasso);
    ultimoPasso = ora;
    if (primaPagina < 0 && vista->TotFile() > 0 && vista->UltimaThumbVisibile() < vista->TotFile() - 1)
      primaPagina = ora;
  });
  const double ritardo = EseguiNelCiclo(finestra, [&] {
    tempo.start();
    finestra.Controlli().ftvFile->ImpostaCartella(foto.path());
  });
  const qint64 totale = tempo.nsecsElapsed();
  std::printf("RefreshFoto, %d photos of 160 x 120%s\n", vista->TotFile(),
              misti ? ", JPEG, PNG, TIFF, WebP, HEIC and AVIF in turn" : ", all JPEG");
  std::printf("  first full page drawn: %8.1f ms\n", primaPagina / 1e6);
  std::printf("  whole folder shown:    %8.1f ms (%.3f ms a photo)\n", totale / 1e6, totale / 1e6 / n);
  std::printf("  longest gap between two photos: %.1f ms\n", passoPiuLungo / 1e6);
  std::printf("  first page / total: %.3f\n", static_cast<double>(primaPagina) / totale);
  const double riposo = RitardoARiposo(totale / 1e6);
  std::printf("  worst lateness of a 5 ms timer on the GUI thread: %.1f ms (target at most 50; %.1f ms idle)\n",
              ritardo, riposo);
  if (vista->TotFile() != n) std::printf("  photos missing\n");
  return {primaPagina / 1e6, ritardo};
}

// The same folder of JPEGs and of mixed formats, one after the other.
int BancoCartelleMiste(int n) {
  const FigureCartella jpeg = BancoCartella(n, false);
  const FigureCartella misti = BancoCartella(n, true);
  std::printf("mixed / JPEG: first page %.2f, worst lateness %.2f (target at most 1.2 each)\n",
              misti.primaPagina / jpeg.primaPagina, misti.ritardo / jpeg.ritardo);
  return 0;
}

// cp of the files, cp followed by sync, and the program's
// operation in turns, the one that goes first rotating: on this machine a
// phase that follows another runs slower, whichever it is. The fastest of each
// is kept, as the machine's other work only ever adds time. prepara readies a
// round of the operation and dopo checks and clears what it wrote; neither is
// timed.
Tempi ControCp(const QStringList& foto, const std::function<void(int giro)>& prepara,
               const std::function<double()>& operazione, const std::function<void()>& dopo) {
  QTemporaryDir destinazione;
  const QString riscaldamento = destinazione.filePath(QStringLiteral("riscaldamento"));
  TempoCp(foto, riscaldamento, false);  // all read from the page cache
  QDir(riscaldamento).removeRecursively();
  Tempi tempi;
  for (int giro = 0; giro < 4; ++giro) {
    const auto misuraCp = [&](bool sync, double& migliore) {
      const QString cartella = destinazione.filePath(QStringLiteral("cp%1").arg(giro));
      migliore = std::min(migliore, TempoCp(foto, cartella, sync));
      QDir(cartella).removeRecursively();
    };
    QList<std::function<void()>> fasi{[&] { misuraCp(false, tempi.cp); },
                                      [&] {
                                        prepara(giro);
                                        double ritardo = 0;
                                        tempi.operazione = std::min(
                                            tempi.operazione, Cronometra([&] { ritardo = operazione(); }));
                                        tempi.ritardoPeggiore = std::max(tempi.ritardoPeggiore, ritardo);
                                        dopo();
                                      },
                                      [&] { misuraCp(true, tempi.cpSync); }};
    for (qsizetype i = 0; i < fasi.size(); ++i) fasi[(i + giro) % fasi.size()]();
  }
  return tempi;
}

// Camera photos carry a small thumbnail in their EXIF block, which the views
// use. With uguali every photo has the same bytes: each one is digested and
// added as a duplicate, the worst case of the duplicate check.
int BancoCopia(int n, double megapixel, bool miniaturaExif, bool uguali) {
  QTemporaryDir foto;
  const int larghezza = static_cast<int>(std::sqrt(megapixel * 1e6 * 4 / 3));
  const QImage immagine = Rumore(larghezza, larghezza * 3 / 4);
  const QByteArray jpeg = Codifica(immagine, "jpeg");
  const QStringList percorsi = ScriviCopie(
      foto.path(), miniaturaExif ? ConExif(jpeg, 1, Codifica(immagine.scaled(160, 120), "jpeg")) : jpeg, n, !uguali);
  const qint64 byte = QFileInfo(percorsi[0]).size() * n;
  Banco banco;
  frmScegliFoto& finestra = *banco.finestra;
  finestra.Controlli().ftvFile->ImpostaCartella(foto.path());
  // The folder view is filled on a worker: every photo is in before it is checked.
  AttendiFinche([&] { return !finestra.OperazioneInCorso() && finestra.Controlli().fvFotoCartella->TotFile() == n; }, 120000);
  finestra.Controlli().fvFotoCartella->Spunte().CheckaTutto(true);
  finestra.selettori().Copia().ImpostaFormato(QStringLiteral("15x10"));
  // The folder view's read-ahead ends before the timing starts.
  QElapsedTimer attesa;
  attesa.start();
  while (attesa.elapsed() < 2000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);

  // Each round copies into an empty album.
  int copiate = n;
  const Tempi tempi = ControCp(
      percorsi, [&](int) { finestra.CreaNuovoVelistra(); },
      [&] {
        return EseguiNelCiclo(finestra, [&] {
          frmScegliFoto::Pulsante(finestra.Controlli().tbCartella, QStringLiteral("CopiaIn"))->trigger();
        });
      },
      [&] {
        copiate = std::min(copiate, finestra.ordine().album().NumeroFile({}));
      });
  std::printf("CopiaInFormato, %d photos of %.0f megapixels (%.0f MB in all), %s, %s\n", n, megapixel, byte / 1e6,
              miniaturaExif ? "with a camera's EXIF thumbnail" : "without an EXIF thumbnail",
              uguali ? "all alike (each digested, each a duplicate)" : "each of its own size");
  std::printf("  cp:             %8.1f ms (fastest of 4)\n", tempi.cp);
  std::printf("  cp + sync:      %8.1f ms (fastest of 4; the copies and their folder flushed)\n", tempi.cpSync);
  std::printf("  CopiaInFormato: %8.1f ms (fastest of 4; album saved, views and amount updated)\n",
              tempi.operazione);
  std::printf("  ratio CopiaInFormato / (cp + sync): %.2f (target at most 1.2)\n", tempi.operazione / tempi.cpSync);
  std::printf("  ratio CopiaInFormato / cp:          %.2f\n", tempi.operazione / tempi.cp);
  std::printf("  worst lateness of a 5 ms timer on the GUI thread: %.1f ms (target at most 50; %.1f ms idle)\n",
              tempi.ritardoPeggiore, RitardoARiposo(4 * tempi.operazione));
  return copiate == n ? 0 : 1;
}

// The order folder of an album of n photos against cp of its work-folder copies.
int BancoOrdine(int n, double megapixel) {
  Banco banco;
  frmScegliFoto& finestra = *banco.finestra;
  const int larghezza = static_cast<int>(std::sqrt(megapixel * 1e6 * 4 / 3));
  const QStringList copie = ScriviCopie(QDir(banco.programma.percorsi().CartellaLavoro).path(),
                                        Codifica(Rumore(larghezza, larghezza * 3 / 4), "jpeg"), n);
  for (const QString& copia : copie)
    finestra.ordine().album().AggiungiFileVelistra(QStringLiteral("15x10"), copia, QFileInfo(copia).fileName(),
                                          QStringLiteral("FILLIN"));
  const qint64 byte = QFileInfo(copie[0]).size() * n;

  // A directory of its own each round: no question about a folder of the same minute.
  QTemporaryDir destinazione;
  QString scelta;
  int complete = 0;
  const Tempi tempi = ControCp(
      copie,
      [&](int giro) {
        scelta = destinazione.filePath(QStringLiteral("ordine%1").arg(giro));
        QDir().mkpath(scelta);
        banco.piattaforma.ScegliCartella(scelta);
      },
      [&] {
        return EseguiNelCiclo(finestra, [&] {
          frmScegliFoto::Pulsante(finestra.Controlli().tbOperazioni, QStringLiteral("C8"))->trigger();
        });
      },
      [&] {
        const QStringList cartelle = QDir(scelta).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        if (cartelle.size() == 1 && QDir(scelta + u'/' + cartelle[0]).entryList(QDir::Files).size() == n + 3)
          ++complete;
        QDir(scelta).removeRecursively();
      });
  std::printf("CreaCartellaOrdine, %d photos of %.0f megapixels (%.0f MB in all)\n", n, megapixel, byte / 1e6);
  std::printf("  cp:                 %8.1f ms (fastest of 4)\n", tempi.cp);
  std::printf("  cp + sync:          %8.1f ms (fastest of 4; the copies and their folder flushed)\n", tempi.cpSync);
  std::printf("  CreaCartellaOrdine: %8.1f ms (fastest of 4; copies verified and flushed, customer sheet, order "
              "text, end marker)\n",
              tempi.operazione);
  std::printf("  ratio CreaCartellaOrdine / (cp + sync): %.2f (target at most 1.2)\n", tempi.operazione / tempi.cpSync);
  std::printf("  ratio CreaCartellaOrdine / cp:          %.2f\n", tempi.operazione / tempi.cp);
  std::printf("  worst lateness of a 5 ms timer on the GUI thread: %.1f ms (target at most 50; %.1f ms idle)\n",
              tempi.ritardoPeggiore, RitardoARiposo(4 * tempi.operazione));
  return complete == 4 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
  const QString modo = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
  if (modo == QLatin1String("cartella")) {
    BancoCartella(argc > 2 ? std::atoi(argv[2]) : 10000, false);
    return 0;
  }
  if (modo == QLatin1String("misti")) return BancoCartelleMiste(argc > 2 ? std::atoi(argv[2]) : 10000);
  if (modo == QLatin1String("copia"))
    return BancoCopia(argc > 2 ? std::atoi(argv[2]) : 300, argc > 3 ? std::atof(argv[3]) : 12,
                      argc > 4 ? std::atoi(argv[4]) != 0 : true, argc > 5 && std::atoi(argv[5]) != 0);
  if (modo == QLatin1String("ordine"))
    return BancoOrdine(argc > 2 ? std::atoi(argv[2]) : 300, argc > 3 ? std::atof(argv[3]) : 12);
  std::fprintf(stderr,
               "bench_mainwindow cartella [photos] | misti [photos] | copia [photos] [megapixels] [exif thumbnail 1|0] [all alike 0|1] | "
               "ordine [photos] [megapixels]\n");
  return 2;
}
