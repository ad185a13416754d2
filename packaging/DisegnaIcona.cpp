// Renders the program's scalable icon as a square PNG of the given size, for
// the icon theme's fixed-size folders:
//   disegna_icona <icon.svg> <pixels> <icon.png>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
  if (argc != 4) {
    std::fprintf(stderr, "Uso: disegna_icona <icona.svg> <pixel> <icona.png>\n");
    return 2;
  }
  // Built and run on machines without a display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication applicazione(argc, argv);
  QSvgRenderer disegno(QString::fromLocal8Bit(argv[1]));
  const int lato = QByteArray(argv[2]).toInt();
  if (!disegno.isValid() || lato <= 0) {
    std::fprintf(stderr, "Icona non valida: %s\n", argv[1]);
    return 1;
  }
  QImage immagine(lato, lato, QImage::Format_ARGB32_Premultiplied);
  immagine.fill(Qt::transparent);
  QPainter pittore(&immagine);
  disegno.render(&pittore);
  pittore.end();
  return immagine.save(QString::fromLocal8Bit(argv[3]), "PNG") ? 0 : 1;
}
