#pragma once
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QColor>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <memory>

#include "support/FotoProva.h"
#include "support/Attesa.h"
#include "support/CartellaProgrammaProva.h"
#include "thumbview/SuperficieDisegno.h"
#include "thumbview/ctrFotoView.h"

// A view of 640 x 400 shown offscreen in a temporary program folder (for the
// placeholder picture), with a folder of generated photos beside it. That size
// gives 5 columns and a page of 4 rows (20 thumbnails), 3 of them whole.
class VistaProva : public ::testing::Test {
 protected:
  static inline const QColor kDidascalia{50, 0, 255};

  void SetUp() override {
    vista = std::make_unique<ctrFotoView>(programma.percorsi());
    vista->resize(640, 400);
    vista->show();
  }
  void TearDown() override { vista.reset(); }

  // A photo of one colour in the folder, by format ("jpeg", "png", "tiff").
  QString Foto(const QString& nome, QSize misura = {400, 300}, const QColor& colore = Qt::green,
               const char* formato = "jpeg") const {
    const QString percorso = foto.filePath(nome);
    ScriviFoto(percorso, Codifica(ImmagineADueBande(misura, colore, colore), formato));
    return percorso;
  }
  // Adds n photos named foto00.jpg, foto01.jpg...; all must be added.
  void Aggiungi(int n, bool disegna = true) {
    for (int i = 0; i < n; ++i) {
      const QString nome = QStringLiteral("foto%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
      ASSERT_TRUE(vista->AggiungiThumbs(Foto(nome), disegna));
    }
    AttendiCopie();
  }
  // Lets the copies decoded on the workers reach the grid.
  void AttendiCopie() const {
    ASSERT_TRUE(AttendiFinche([this] { return vista->DecodificheInCorso() == 0; }));
  }
  SuperficieDisegno* Superficie() const {
    return vista->findChild<SuperficieDisegno*>(QStringLiteral("picSlide"));
  }
  QColor Pixel(int x, int y) const { return Superficie()->immagine().pixelColor(x, y); }
  void Muovi(QPoint punto) const {
    QMouseEvent evento(QEvent::MouseMove, punto, Superficie()->mapToGlobal(punto), Qt::NoButton,
                       Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Superficie(), &evento);
  }
  void Premi(QPoint punto) const {
    QMouseEvent evento(QEvent::MouseButtonPress, punto, Superficie()->mapToGlobal(punto),
                       Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Superficie(), &evento);
  }

  CartellaProgrammaProva programma;
  QTemporaryDir foto;
  std::unique_ptr<ctrFotoView> vista;
};
