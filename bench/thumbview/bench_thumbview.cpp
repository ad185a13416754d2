// Thumbnail speed of the view against vipsthumbnail, a folder of many photos,
// and how late the GUI thread's events run while such a folder is shown.
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPainter>
#include <QProcess>
#include <QProgressBar>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>

#include "support/FotoProva.h"
#include "common/Compito.h"
#include "mainwindow/CicloOperazione.h"
#include "mainwindow/PassiGrafici.h"
#include "mainwindow/ElencoFoto.h"
#include "thumbview/ctrFotoView.h"

namespace {

// Photo-like detail: ImageMagick's fractal plasma, made once per size; each
// photo is a variation of it (mirrored, channels swapped, brighter or darker),
// so every file is different but all decode alike.
QImage BaseFrattale(QSize misura) {
  static QHash<QString, QImage> basi;
  const QString chiave = QStringLiteral("%1x%2").arg(misura.width()).arg(misura.height());
  if (!basi.contains(chiave)) {
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("base.jpg"));
    QProcess::execute(QStringLiteral("/usr/bin/convert"),
                      {QStringLiteral("-size"), chiave, QStringLiteral("-seed"),
                       QStringLiteral("7"), QStringLiteral("plasma:fractal"),
                       QStringLiteral("-quality"), QStringLiteral("100"), percorso});
    basi.insert(chiave, QImage(percorso).convertToFormat(QImage::Format_RGB32));
  }
  return basi.value(chiave);
}

QImage FotoSimile(QSize misura, int seme) {
  QImage immagine = BaseFrattale(misura).mirrored(seme & 1, seme & 2);
  if (immagine.isNull()) {
    immagine = QImage(misura, QImage::Format_RGB32);
    immagine.fill(QColor::fromHsv(seme * 37 % 360, 200, 200));
  }
  const int luce = (seme * 7) % 21 - 10;
  const int giro = (seme / 4) % 3;
  for (int y = 0; y < immagine.height(); ++y) {
    auto* riga = reinterpret_cast<QRgb*>(immagine.scanLine(y));
    for (int x = 0; x < immagine.width(); ++x) {
      const int c[3] = {qRed(riga[x]), qGreen(riga[x]), qBlue(riga[x])};
      riga[x] =
          qRgb(std::clamp(c[giro] + luce, 0, 255), std::clamp(c[(giro + 1) % 3] + luce, 0, 255),
               std::clamp(c[(giro + 2) % 3] + luce, 0, 255));
    }
  }
  return immagine;
}

QStringList CreaFoto(const QString& cartella, int n, QSize misura, bool conMiniatura) {
  QStringList percorsi;
  for (int i = 0; i < n; ++i) {
    const QImage foto = FotoSimile(misura, i);
    QByteArray jpeg = Codifica(foto, "jpeg", 90);
    if (conMiniatura) {
      const QImage piccola = foto.scaled(160, 160 * misura.height() / misura.width(),
                                         Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      jpeg = ConExif(jpeg, 1, Codifica(piccola, "jpeg", 80));
    }
    const QString percorso =
        cartella + QStringLiteral("/foto%1.jpg").arg(i, 5, 10, QLatin1Char('0'));
    ScriviFoto(percorso, jpeg);
    percorsi << percorso;
  }
  return percorsi;
}

long PiccoMemoriaMB() {
  rusage uso{};
  getrusage(RUSAGE_SELF, &uso);
  return uso.ru_maxrss / 1024;
}

long MemoriaAttualeMB() {
  QFile stato(QStringLiteral("/proc/self/statm"));
  if (!stato.open(QIODevice::ReadOnly)) return -1;
  const QList<QByteArray> campi = stato.readAll().split(' ');
  return campi.value(1).toLong() * sysconf(_SC_PAGESIZE) / (1024 * 1024);
}

// Lets the event loop run until the view has every copy it asked for.
void AttendiCopie(const ctrFotoView& vista) {
  while (vista.DecodificheInCorso() > 0) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Adds every photo as the folder view does, then scrolls page by page until
// every copy is made; seconds.
double AttraversaConVista(const QStringList& percorsi, ctrFotoView& vista,
                          double* primaPagina = nullptr, long* piccoPrimaPagina = nullptr) {
  QElapsedTimer orologio;
  orologio.start();
  vista.CancellaThumbs();
  for (const QString& percorso : percorsi) vista.AggiungiThumbs(percorso, true);
  vista.DisegnaThumbTutto();
  AttendiCopie(vista);
  if (primaPagina) *primaPagina = orologio.nsecsElapsed() / 1e9;
  if (piccoPrimaPagina) *piccoPrimaPagina = PiccoMemoriaMB();
  auto* barra = vista.findChild<QScrollBar*>(QStringLiteral("vsbSlide"));
  const int righePagina =
      (vista.UltimaThumbVisibile() - vista.PrimaThumbVisibile() + 1) / vista.NumeroColonne();
  for (int valore = righePagina; valore <= barra->maximum() + righePagina; valore += righePagina) {
    barra->setValue(std::min(valore, barra->maximum()));
    AttendiCopie(vista);
    if (valore >= barra->maximum()) break;
  }
  for (const DatiThumb& thumb : vista.Thumbs())
    if (thumb.Miniatura.isNull()) std::printf("  copia mancante: %s\n", qPrintable(thumb.NomeFile));
  return orologio.nsecsElapsed() / 1e9;
}

double Vips(const QStringList& percorsi, const QString& uscita) {
  QDir().mkpath(uscita);
  QProcess vips;
  QElapsedTimer orologio;
  orologio.start();
  vips.start(QStringLiteral("vipsthumbnail"),
             QStringList{QStringLiteral("-s"), QStringLiteral("90"), QStringLiteral("-o"),
                         uscita + QStringLiteral("/%s.jpg")} +
                 percorsi);
  if (!vips.waitForFinished(-1) || vips.exitCode() != 0) {
    std::printf("vipsthumbnail non riuscito: %s\n", vips.readAllStandardError().constData());
    return -1;
  }
  return orologio.nsecsElapsed() / 1e9;
}

int Velocita(int n, double megapixel) {
  QTemporaryDir cartella;
  const int larghezza = static_cast<int>(std::sqrt(megapixel * 1e6 * 4 / 3));
  const QSize misura(larghezza, larghezza * 3 / 4);
  QDir().mkpath(cartella.filePath(QStringLiteral("semplici")));
  QDir().mkpath(cartella.filePath(QStringLiteral("miniature")));
  std::printf("%d foto %dx%d JPEG qualità 90...\n", n, misura.width(), misura.height());
  const QStringList semplici =
      CreaFoto(cartella.filePath(QStringLiteral("semplici")), n, misura, false);
  const QStringList conMiniatura =
      CreaFoto(cartella.filePath(QStringLiteral("miniature")), n, misura, true);

  ctrFotoView vista{PercorsiProgramma{}};  // no placeholder picture
  vista.resize(800, 600);
  vista.show();
  const double vipsSemplici = Vips(semplici, cartella.filePath(QStringLiteral("vips1")));
  const double nostreSemplici = AttraversaConVista(semplici, vista);
  const double vipsMiniature = Vips(conMiniatura, cartella.filePath(QStringLiteral("vips2")));
  const double nostreMiniature = AttraversaConVista(conMiniatura, vista);
  std::printf("senza miniatura incorporata: vista %.2f s, vipsthumbnail %.2f s, rapporto %.3f\n",
              nostreSemplici, vipsSemplici, nostreSemplici / vipsSemplici);
  std::printf("con miniatura incorporata:   vista %.3f s, vipsthumbnail %.2f s, rapporto %.4f\n",
              nostreMiniature, vipsMiniature, nostreMiniature / vipsMiniature);
  return 0;
}

// One photo, three ways: embedded thumbnail, reduced decode, full decode and scaling.
int Singola(double megapixel) {
  QTemporaryDir cartella;
  const int larghezza = static_cast<int>(std::sqrt(megapixel * 1e6 * 4 / 3));
  const QSize misura(larghezza, larghezza * 3 / 4);
  const QString semplice = CreaFoto(cartella.path(), 1, misura, false).first();
  const QString conMiniatura = cartella.filePath(QStringLiteral("miniatura.jpg"));
  ScriviFoto(conMiniatura, ConExif(
                               [&] {
                                 QFile f(semplice);
                                 f.open(QIODevice::ReadOnly);
                                 return f.readAll();
                               }(),
                               1, Codifica(FotoSimile({160, 120}, 1), "jpeg", 80)));
  std::printf("%dx%d, %lld byte\n", misura.width(), misura.height(), QFileInfo(semplice).size());
  constexpr int kVolte = 10;
  const auto misuraMs = [](auto&& lavoro) {
    QElapsedTimer orologio;
    orologio.start();
    for (int i = 0; i < kVolte; ++i) lavoro();
    return orologio.nsecsElapsed() / 1e6 / kVolte;
  };
  std::printf("miniatura incorporata %.2f ms\n",
              misuraMs([&] { CodaDecodifica::CaricaMiniatura(conMiniatura); }));
  std::printf("decodifica ridotta    %.1f ms\n",
              misuraMs([&] { CodaDecodifica::CaricaMiniatura(semplice); }));
  std::printf("decodifica intera     %.1f ms\n", misuraMs([&] {
                const QImage intera(semplice);
                const QImage copia = intera.scaled(90, 68, Qt::IgnoreAspectRatio,
                                                   Qt::SmoothTransformation);
                Q_UNUSED(copia);
              }));
  return 0;
}

int Scala(int n) {
  QTemporaryDir cartella;
  constexpr int kDistinte = 100;
  std::printf("%d foto 1600x1200 (%d distinte, le altre collegamenti fisici)...\n", n, kDistinte);
  const QStringList originali =
      CreaFoto(cartella.path(), std::min(n, kDistinte), {1600, 1200}, false);
  QStringList percorsi = originali;
  for (int i = originali.size(); i < n; ++i) {
    const QString percorso =
        cartella.filePath(QStringLiteral("copia%1.jpg").arg(i, 5, 10, QLatin1Char('0')));
    link(QFile::encodeName(originali[i % originali.size()]).constData(),
         QFile::encodeName(percorso).constData());
    percorsi << percorso;
  }
  ctrFotoView vista{PercorsiProgramma{}};  // no placeholder picture
  vista.resize(800, 600);
  vista.show();
  QCoreApplication::processEvents();
  const long prima = MemoriaAttualeMB();
  double primaPagina = 0;
  long piccoPrimaPagina = 0;
  const double tutto = AttraversaConVista(percorsi, vista, &primaPagina, &piccoPrimaPagina);
  std::printf("prima pagina: %.3f s, memoria di picco fin lì %ld MB\n", primaPagina,
              piccoPrimaPagina);
  std::printf("scorse tutte: %.1f s; memoria %ld MB (prima dell'aggiunta %ld MB), picco %ld MB\n",
              tutto, MemoriaAttualeMB(), prima, PiccoMemoriaMB());
  return 0;
}

// A folder of n photos hard-linked from a hundred small distinct ones.
QStringList CartellaGrande(const QString& cartella, int n) {
  constexpr int kDistinte = 100;
  const QStringList originali = CreaFoto(cartella, std::min(n, kDistinte), {640, 480}, false);
  QStringList percorsi = originali;
  for (int i = originali.size(); i < n; ++i) {
    const QString percorso =
        cartella + QStringLiteral("/copia%1.jpg").arg(i, 5, 10, QLatin1Char('0'));
    link(QFile::encodeName(originali[i % originali.size()]).constData(),
         QFile::encodeName(percorso).constData());
    percorsi << percorso;
  }
  return percorsi;
}

// A 5 ms timer on the GUI thread: how late its worst tick came.
class Ritardo {
 public:
  Ritardo() {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(kPeriodoMs);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      peggiore_ = std::max(peggiore_, orologio_.nsecsElapsed() / 1e6 - kPeriodoMs);
      orologio_.restart();
    });
    orologio_.start();
    timer_.start();
  }
  double PeggioreMs() const { return peggiore_; }

 private:
  static constexpr int kPeriodoMs = 5;
  QTimer timer_;
  QElapsedTimer orologio_;
  double peggiore_ = 0;
};

struct Reattivita {
  double elencoCompletoS = 0;  // every photo added
  double primaPaginaS = 0;     // and the first page's pictures shown
  double ritardoMs = 0;
};

// As the folder view's container did before: listing and every addition on the
// GUI thread, events let through once per photo.
Reattivita DalThreadGrafico(ctrFotoView& vista, const QString& cartella) {
  vista.CancellaThumbs();
  QCoreApplication::processEvents();
  QElapsedTimer orologio;
  orologio.start();
  Ritardo ritardo;
  const QStringList nomi = ElencoFotoCartella(cartella);
  for (const QString& nome : nomi) {
    vista.AggiungiThumbs(cartella + nome, true);
    QCoreApplication::processEvents();
  }
  Reattivita r;
  r.elencoCompletoS = orologio.nsecsElapsed() / 1e9;
  vista.DisegnaThumbTutto();
  AttendiCopie(vista);
  r.primaPaginaS = orologio.nsecsElapsed() / 1e9;
  r.ritardoMs = ritardo.PeggioreMs();
  return r;
}

// The listing as a task, then the photos handed to the view on the GUI thread
// one photo a step, as the folder view's container does; the event loop runs
// between the steps.
Reattivita AFette(ctrFotoView& vista, const QString& cartella) {
  vista.CancellaThumbs();
  QCoreApplication::processEvents();
  QElapsedTimer orologio;
  orologio.start();
  Ritardo ritardo;
  Reattivita r;
  bool finito = false;
  QObject contesto;
  QProgressBar barra;
  QWidget finestra;
  bool annulla = false;
  AvviaCompito(&contesto, [cartella] { return ElencoFotoCartella(cartella); }, [&](const QStringList& nomi) {
    auto* ciclo = new CicloOperazione(std::make_shared<PassiGrafici>(static_cast<int>(nomi.size()),
                                                                     [&vista, &cartella, nomi](int k) {
                                                                       vista.AggiungiThumbs(cartella + nomi[k - 1], true);
                                                                       return true;
                                                                     }),
                                      DomandaInterruzioneCaricamento(), &barra, annulla, &finestra);
    QObject::connect(ciclo, &CicloOperazione::finito, &contesto, [&] {
      r.elencoCompletoS = orologio.nsecsElapsed() / 1e9;
      vista.DisegnaThumbTutto();
      finito = true;
    });
    ciclo->Avvia();
  });
  while (!finito) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
  AttendiCopie(vista);
  r.primaPaginaS = orologio.nsecsElapsed() / 1e9;
  r.ritardoMs = ritardo.PeggioreMs();
  return r;
}

int BancoReattivita(int n) {
  QTemporaryDir cartella;
  std::printf("%d foto 640x480 (100 distinte, le altre collegamenti fisici)...\n", n);
  CartellaGrande(cartella.path(), n);
  ctrFotoView vista{PercorsiProgramma{}};
  vista.resize(800, 600);
  vista.show();
  const QString percorso = cartella.path() + u'/';
  const auto stampa = [n, &vista](const char* via, const Reattivita& r) {
    std::printf("%-28s elenco completo %.2f s, prima pagina mostrata %.2f s, "
                "ritardo peggiore del timer di 5 ms %.1f ms (%d miniature)\n",
                via, r.elencoCompletoS, r.primaPaginaS, r.ritardoMs, vista.TotFile());
    if (vista.TotFile() != n) std::printf("  attese %d miniature\n", n);
  };
  const Reattivita grafico = DalThreadGrafico(vista, percorso);
  const Reattivita aFette = AFette(vista, percorso);
  stampa("sul thread grafico:", grafico);
  stampa("a fette:", aFette);
  std::printf("rapporto dei ritardi (a fette / thread grafico) %.3f; obiettivo: ritardo <= 50 ms\n",
              aFette.ritardoMs / grafico.ritardoMs);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QString modo = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("velocita");
  if (modo == QStringLiteral("singola")) return Singola(argc > 2 ? std::atof(argv[2]) : 12);
  if (modo == QStringLiteral("scala")) return Scala(argc > 2 ? std::atoi(argv[2]) : 10000);
  if (modo == QStringLiteral("reattivita"))
    return BancoReattivita(argc > 2 ? std::atoi(argv[2]) : 10000);
  return Velocita(argc > 2 ? std::atoi(argv[2]) : 200, argc > 3 ? std::atof(argv[3]) : 12);
}
