// Album timings: the title sort of the format view, the amount, the entry
// lookups at two album sizes, and copying photos into a format with the
// duplicate check against without it. Run by hand: bench_album
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "AlbumDiProva.h"
#include "album/AlbumVelistra.h"
#include "album/CatalogoFormati.h"
#include "album/FiltroFormato.h"
#include "ordine/OrdineVelistra.h"
#include "support/SvolgiOperazione.h"

namespace {

constexpr int kFormati = 10;

double MedianaMs(int volte, const std::function<void()>& lavoro) {
  std::vector<double> tempi;
  for (int i = 0; i < volte; ++i) {
    QElapsedTimer t;
    t.start();
    lavoro();
    tempi.push_back(t.nsecsElapsed() / 1e6);
  }
  std::sort(tempi.begin(), tempi.end());
  return tempi[tempi.size() / 2];
}

void Scrivi(const QString& percorso, const QByteArray& testo) {
  QFile file(percorso);
  file.open(QIODevice::WriteOnly | QIODevice::Truncate);
  file.write(testo);
}

QStringList Formati() {
  QStringList formati;
  for (int i = 1; i <= kFormati; ++i) formati.append(QStringLiteral("F%1").arg(i));
  return formati;
}

// A program folder with an album of n entries over ten formats.
struct Banco {
  QTemporaryDir cartella;
  PercorsiProgramma percorsi = PercorsiNellaCartella(cartella.path());
  CatalogoFormati catalogo{percorsi};
  AlbumVelistra album{percorsi};

  explicit Banco(int n) {
    Scrivi(percorsi.PercorsoFormati, CatalogoDiFormati(kFormati));
    catalogo.CaricaFormati();
    album.CaricaVelistra(catalogo.TuttiGliIdFormati());
    RiempiAlbum(album, n, Formati(), percorsi.CartellaLavoro);
    album.SalvaVelistra();
  }
};

void Filtro(Banco& banco) {
  const double ms = MedianaMs(7, [&] { OrdinaPerTitolo(banco.album.Voci(QString())); });
  std::printf("OrdinaPerTitolo (all formats, 5000 entries): %.1f ms\n", ms);
}

void Importo(Banco& banco) {
  std::int32_t importo = 0;
  const double ms = MedianaMs(7, [&] { importo = ImportoAlbum(banco.album.Formati(), banco.catalogo.Prezzi()); });
  std::printf("ImportoAlbum (5000 entries): %.2f ms, amount %s\n", ms, qPrintable(ImportoInEuro(importo)));
}

// Every entry looked up once, by its format and in any format.
std::pair<double, double> Ricerche(const AlbumVelistra& album) {
  QList<std::pair<QString, QString>> chiavi;
  for (const VoceAlbum& voce : OrdinaPerTitolo(album.Voci(QString()))) chiavi.append({voce.formato, voce.copia});
  int trovati = 0;
  const double conFormato = MedianaMs(5, [&] {
    for (const auto& [formato, copia] : chiavi) trovati += album.TrovaFileVelistra(formato, copia).has_value();
  });
  const double senza = MedianaMs(5, [&] {
    for (const auto& [formato, copia] : chiavi) trovati += album.TrovaFileVelistra(QString(), copia).has_value();
  });
  if (trovati != 10 * chiavi.size()) std::printf("lookups missed entries\n");
  return {conFormato, senza};
}

// n photos of about the given size, as a camera's differ: in bytes and by a few in size.
QStringList FotoDiverse(const QString& cartella, int n, int dimensione = 3 << 20) {
  QStringList foto;
  QByteArray byte(dimensione, '\0');
  for (int i = 0; i < n; ++i) {
    QRandomGenerator(i).fillRange(reinterpret_cast<quint32*>(byte.data()), byte.size() / 4);
    foto.append(cartella + QStringLiteral("/foto%1.jpg").arg(i));
    Scrivi(foto.last(), byte.left(byte.size() - i));
  }
  return foto;
}

// Each round copies every photo into an empty album, with and without the
// check in turns, the one that goes first rotating; the fastest of each is kept.
void Duplicati(int n) {
  QTemporaryDir cartella;
  const QStringList foto = FotoDiverse(cartella.path(), n);
  Banco banco(0);
  OrdineVelistra ordine(banco.percorsi);
  ordine.catalogo().CaricaFormati();
  ordine.album().CaricaVelistra(ordine.catalogo().TuttiGliIdFormati());
  int domande = 0;
  // Without the check: the same photos as a repeated order, which copies them unchecked.
  OrdineStorico senzaControllo;
  for (const QString& f : foto) senzaControllo.foto.append({f, {}, f, QStringLiteral("F1"), 1, {}});
  const auto copia = [&](bool conControllo) {
    ordine.CreaNuovoVelistra();
    QElapsedTimer tempo;
    tempo.start();
    Copia(conControllo ? ordine.CopiaNelFormato(QStringLiteral("F1"), DaCopiare(foto, foto))
                       : ordine.RipetiOrdine(senzaControllo),
          [&](const PassoOperazione&) { return ++domande > 0; });
    return tempo.nsecsElapsed() / 1e6;
  };
  double con = 1e12;
  double senza = 1e12;
  for (int giro = 0; giro < 4; ++giro) {
    const bool primaCon = giro % 2 == 0;
    (primaCon ? con : senza) = std::min(primaCon ? con : senza, copia(primaCon));
    (primaCon ? senza : con) = std::min(primaCon ? senza : con, copia(!primaCon));
  }
  std::printf("CopiaNelFormato, %d photos of 3 MB: %.1f ms with the duplicate check, %.1f ms without "
              "(fastest of 4), ratio %.3f (target at most 1.1)%s\n",
              n, con, senza, con / senza, domande ? ", questions asked" : "");
}

// Each step of a copy with the check looks at the copies the format already
// has: the time per photo at 500 and at 5,000 small photos, with and without
// the check, shows whether that grows with the format.
void Crescita() {
  for (const int n : {500, 5000}) {
    QTemporaryDir cartella;
    const QStringList foto = FotoDiverse(cartella.path(), n, 16 << 10);
    Banco banco(0);
    OrdineVelistra ordine(banco.percorsi);
    ordine.catalogo().CaricaFormati();
    ordine.album().CaricaVelistra(ordine.catalogo().TuttiGliIdFormati());
    OrdineStorico senzaControllo;
    for (const QString& f : foto) senzaControllo.foto.append({f, {}, f, QStringLiteral("F1"), 1, {}});
    double ms[2] = {};
    for (const bool conControllo : {true, false}) {
      ordine.CreaNuovoVelistra();
      QElapsedTimer tempo;
      tempo.start();
      Copia(conControllo ? ordine.CopiaNelFormato(QStringLiteral("F1"), DaCopiare(foto, foto))
                         : ordine.RipetiOrdine(senzaControllo),
            [](const PassoOperazione&) { return true; });
      ms[conControllo ? 0 : 1] = tempo.nsecsElapsed() / 1e6 / n;
    }
    std::printf("Copying %d photos of 16 KB into one format: %.3f ms per photo with the check, %.3f ms without\n",
                n, ms[0], ms[1]);
  }
}

}  // namespace

int main(int argc, char** argv) {
  // The copies' steps end through the event loop.
  QCoreApplication app(argc, argv);
  QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
  std::pair<double, double> piccolo;
  {
    Banco banco(1000);
    piccolo = Ricerche(banco.album);
  }
  Banco banco(5000);
  Filtro(banco);
  Importo(banco);
  const auto grande = Ricerche(banco.album);
  Duplicati(300);
  Crescita();
  // Equal time per entry at both sizes means a look-up does not grow with the album.
  std::printf("TrovaFileVelistra for every entry, with format: 1000 entries %.2f ms, 5000 entries %.2f ms "
              "(per entry x%.1f)\n", piccolo.first, grande.first, grande.first / 5 / piccolo.first);
  std::printf("TrovaFileVelistra for every entry, any format:  1000 entries %.2f ms, 5000 entries %.2f ms "
              "(per entry x%.1f)\n", piccolo.second, grande.second, grande.second / 5 / piccolo.second);
  return 0;
}
