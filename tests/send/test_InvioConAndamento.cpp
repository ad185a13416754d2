#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLocale>
#include <QRegularExpression>
#include <optional>

#include "FinteInvio.h"
#include "ProvaInvio.h"

namespace {

constexpr double kLimiteKB = 1000;
constexpr int kFoto = 5;
constexpr int kDimensioneFoto = 1'000'000;

// One line under the progress bar, with when it came.
struct Riga {
  qint64 ms;
  QString testo;
};

// The rate of a line in bytes a second: " · 850 kB/s", " · 1,2 MB/s".
std::optional<double> Velocita(const QString& riga) {
  const auto trovato = QRegularExpression(QStringLiteral(" · ([0-9,]+) (k|M)B/s")).match(riga);
  if (!trovato.hasMatch()) return std::nullopt;
  return QLocale(QLocale::Italian).toDouble(trovato.captured(1)) * (trovato.captured(2) == u"k" ? 1e3 : 1e6);
}

// "circa 1 secondo", "circa 4 secondi": the send lasts seconds.
std::optional<int> SecondiRimasti(const QString& riga) {
  const auto trovato = QRegularExpression(QStringLiteral(" · circa (\\d+) second")).match(riga);
  return trovato.hasMatch() ? std::optional<int>(trovato.captured(1).toInt()) : std::nullopt;
}

class InvioConAndamento : public ProvaInvio {
 protected:
  void SetUp() override {
    ProvaInvio::SetUp();
    ASSERT_TRUE(banco.LimiteFTP(kLimiteKB));
    ScriviAlbumProva(programma, ContenutiProva(kFoto, kDimensioneFoto));
    ordine.Carica();
    Accedi(QStringLiteral("convenzionato"));

    orologio.start();
    // The bar is first set just before the photos go.
    vista.adOgniAvanzamento = [this] {
      if (inizioFoto < 0) inizioFoto = orologio.elapsed();
    };
    vista.adOgniAndamento = [this](const QString& testo) { righe.append({orologio.elapsed(), testo}); };
  }

  QElapsedTimer orologio;
  qint64 inizioFoto = -1;
  QList<Riga> righe;
};

TEST_F(InvioConAndamento, TheLineFollowsAThrottledUploadAndAResumeCountsWhatIsOnTheServer) {
  // The first press stops at the second photo: the first one stays on the server.
  ASSERT_TRUE(banco.TaglioFTP(1000, QStringLiteral("imgVE_000002.jpg"), 1, QStringLiteral("dati")));
  Invia();
  ASSERT_FALSE(invio.invioTerminato());

  righe.clear();
  inizioFoto = -1;
  Invia();
  ASSERT_TRUE(invio.invioTerminato());
  ASSERT_GE(inizioFoto, 0);

  // The press clears the last send's line.
  ASSERT_FALSE(righe.isEmpty());
  EXPECT_EQ(righe.first().testo, QString());
  QList<Riga> conVelocita;
  QList<int> secondi;
  for (const Riga& riga : righe) {
    if (Velocita(riga.testo)) conVelocita.append(riga);
    if (const auto s = SecondiRimasti(riga.testo)) secondi.append(*s);
  }
  ASSERT_FALSE(conVelocita.isEmpty());
  EXPECT_LE(conVelocita.first().ms - inizioFoto, 2000) << conVelocita.first().testo.toStdString();

  // The rate while bytes were still to go, past the first window of the send.
  QList<double> velocita;
  for (const Riga& riga : conVelocita)
    if (SecondiRimasti(riga.testo) && riga.ms - inizioFoto >= 3000) velocita.append(*Velocita(riga.testo));
  ASSERT_FALSE(velocita.isEmpty());
  for (const double v : velocita) EXPECT_NEAR(v, kLimiteKB * 1000, kLimiteKB * 1000 * 0.2);

  ASSERT_GE(secondi.size(), 2);
  EXPECT_GT(secondi.first(), secondi.last());
  // The photo resumed is in the whole; the order files sent after the photos are not.
  EXPECT_EQ(righe.last().testo, QStringLiteral("Inviati 5,0 MB di 5,0 MB"));
}

}  // namespace
