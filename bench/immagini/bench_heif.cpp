// HEIC thumbnails and the lab's conversion against the command-line tools
// that read HEIF through the same libheif.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtConcurrent>
#include <cstdio>

#include "RitardoCiclo.h"
#include "immagini/ConversioneLaboratorio.h"
#include "ordine/OrdineVelistra.h"
#include "support/CartellaProgrammaProva.h"
#include "support/FotoProva.h"
#include "support/SvolgiOperazione.h"
#include "thumbview/DecodificaRidotta.h"
#include "thumbview/GeometriaThumb.h"

namespace {

const QSize k12MP(4032, 3024);
constexpr int kLatoMiniatura = 320;  // an iPhone's embedded thumbnail is 320 x 240

bool Esegui(const QString& programma, const QStringList& argomenti) {
  QProcess processo;
  processo.start(programma, argomenti);
  if (processo.waitForFinished(-1) && processo.exitCode() == 0) return true;
  std::printf("%s non riuscito: %s\n", qPrintable(programma), processo.readAllStandardError().constData());
  return false;
}

// n HEIC photos with photo-like detail (ImageMagick's plasma, mirrored and
// turned so each differs), encoded by heif-enc as a phone would, with or
// without an embedded thumbnail.
QStringList CreaHeic(const QString& cartella, int n, bool conMiniatura) {
  const QString base = cartella + QStringLiteral("/base.jpg");
  if (!QFile::exists(base) &&
      !Esegui(QStringLiteral("convert"),
              {QStringLiteral("-size"), QStringLiteral("%1x%2").arg(k12MP.width()).arg(k12MP.height()),
               QStringLiteral("-seed"), QStringLiteral("7"), QStringLiteral("plasma:fractal"),
               QStringLiteral("-quality"), QStringLiteral("95"), base}))
    return {};
  const QImage immagine(base);
  QStringList percorsi;
  for (int i = 0; i < n; ++i) {
    const QString jpeg = cartella + QStringLiteral("/sorgente.jpg");
    ScriviFoto(jpeg, Codifica(immagine.mirrored(i & 1, i & 2), "jpeg", 95));
    const QString heic =
        cartella + QStringLiteral("/foto%1%2.heic").arg(conMiniatura ? "m" : "").arg(i, 3, 10, QLatin1Char('0'));
    QStringList argomenti{QStringLiteral("-q"), QStringLiteral("60"), QStringLiteral("-p"),
                          QStringLiteral("preset=ultrafast")};
    if (conMiniatura) argomenti << QStringLiteral("-t") << QString::number(kLatoMiniatura);
    if (!Esegui(QStringLiteral("heif-enc"), argomenti << QStringLiteral("-o") << heic << jpeg)) return {};
    percorsi << heic;
  }
  return percorsi;
}

double Secondi(const QElapsedTimer& orologio) { return orologio.nsecsElapsed() / 1e9; }

// As the view makes them: one task per photo over the pool.
double MiniatureVelistra(const QStringList& percorsi) {
  QElapsedTimer orologio;
  orologio.start();
  const QList<int> stati = QtConcurrent::blockingMapped(
      percorsi, [](const QString& percorso) { return DecodificaRidotta(percorso, &MisuraMiniatura, true).stato; });
  for (int stato : stati)
    if (stato != kStatoRiuscito) std::printf("  copia non riuscita\n");
  return Secondi(orologio);
}

double Vips(const QStringList& percorsi, const QString& uscita) {
  QDir().mkpath(uscita);
  QElapsedTimer orologio;
  orologio.start();
  if (!Esegui(QStringLiteral("vipsthumbnail"), QStringList{QStringLiteral("-s"), QStringLiteral("90"),
                                                           QStringLiteral("-o"), uscita + QStringLiteral("/%s.jpg")} +
                                                   percorsi))
    return -1;
  return Secondi(orologio);
}

// One photo after the other, as the copy loop converts them.
double ConversioneVelistra(const QStringList& percorsi) {
  QElapsedTimer orologio;
  orologio.start();
  for (const QString& percorso : percorsi)
    if (JpegPerLaboratorio(percorso).isEmpty()) std::printf("  conversione non riuscita: %s\n", qPrintable(percorso));
  return Secondi(orologio);
}

double HeifConvert(const QStringList& percorsi, const QString& uscita) {
  QDir().mkpath(uscita);
  QElapsedTimer orologio;
  orologio.start();
  for (const QString& percorso : percorsi)
    if (!Esegui(QStringLiteral("heif-convert"),
                {QStringLiteral("-q"), QStringLiteral("95"), percorso,
                 uscita + u'/' + QFileInfo(percorso).completeBaseName() + QStringLiteral(".jpg")}))
      return -1;
  return Secondi(orologio);
}

// The photos copied into a format of an album, each converted for the lab in
// its task, the steps driven from the event loop as the window drives them,
// until the closing save's task has ended. Returns the GUI thread's worst
// lateness meanwhile (ms) and the time taken (s).
std::pair<double, double> CopiaNellAlbum(const QStringList& percorsi) {
  CartellaProgrammaProva programma;
  OrdineVelistra ordine(programma.percorsi());
  ordine.catalogo().CaricaFormati();
  ordine.album().CaricaVelistra(ordine.catalogo().TuttiGliIdFormati());
  const std::unique_ptr<OperazioneCopia> operazione =
      ordine.CopiaNelFormato(QStringLiteral("15x10"), DaCopiare(percorsi));
  QObject contesto;
  bool passi = true;
  std::function<void()> prossimo = [&] {
    operazione->Avanza(&contesto).then(&contesto, [&](const PassoOperazione& passo) {
      if (passo.doppia) operazione->Rispondi(true);
      if (!passo.ultimo) return QTimer::singleShot(0, &contesto, prossimo);
      operazione->Concludi();
      passi = false;
    });
  };
  QElapsedTimer orologio;
  orologio.start();
  const double ritardo = EseguiNelCiclo([&] { return passi || ordine.SalvataggioInCorso(); }, prossimo);
  const double secondi = Secondi(orologio);
  if (ordine.NumeroVoci(QStringLiteral("15x10")) != percorsi.size()) std::printf("  copie mancanti\n");
  return {ritardo, secondi};
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList argomenti = app.arguments();
  const QString modo = argomenti.value(1);
  const int n = argomenti.value(2, QStringLiteral("100")).toInt();
  QTemporaryDir cartella;
  if (modo == QStringLiteral("miniature")) {
    for (const bool conMiniatura : {true, false}) {
      const QStringList foto = CreaHeic(cartella.path(), n, conMiniatura);
      if (foto.isEmpty()) return 1;
      const double velistra = MiniatureVelistra(foto);
      const double vips = Vips(foto, cartella.filePath(QStringLiteral("vips")));
      std::printf("%d HEIC 12 MP %s: Velistra %.2f s, vipsthumbnail %.2f s, rapporto %.2f\n", n,
                  conMiniatura ? "con miniatura" : "senza miniatura", velistra, vips, velistra / vips);
    }
    return 0;
  }
  if (modo == QStringLiteral("conversione")) {
    const QStringList foto = CreaHeic(cartella.path(), n, true);
    if (foto.isEmpty()) return 1;
    const double velistra = ConversioneVelistra(foto);
    const double riferimento = HeifConvert(foto, cartella.filePath(QStringLiteral("convertite")));
    std::printf("%d HEIC 12 MP in JPEG: Velistra %.2f s, heif-convert %.2f s, rapporto %.2f\n", n, velistra,
                riferimento, velistra / riferimento);
    return 0;
  }
  if (modo == QStringLiteral("ritardo")) {
    const QStringList foto = CreaHeic(cartella.path(), argomenti.value(2, QStringLiteral("20")).toInt(), true);
    if (foto.isEmpty()) return 1;
    const auto [ritardo, secondi] = CopiaNellAlbum(foto);
    std::printf("%lld HEIC 12 MP copied into the album as JPEGs and saved in %.2f s; worst lateness of a 5 ms timer "
                "on the GUI thread meanwhile: %.1f ms (%.1f ms idle)\n",
                static_cast<long long>(foto.size()), secondi, ritardo, RitardoARiposo(secondi * 1000));
    return 0;
  }
  std::printf("uso: bench_heif miniature|conversione|ritardo [foto]\n");
  return 2;
}
