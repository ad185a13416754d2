#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "FinestraProva.h"
#include "thumbview/ctrFotoView.h"

namespace {

// Two photos of 160 x 120 in "15x10": 27 dpi on 10 x 15 cm, both poor.
class AvvisoQualita : public ::testing::Test {
 protected:
  AmbienteFinestra ambiente;
  std::unique_ptr<FinestraProva> finestra;
  QTemporaryDir destinazione;
  const QString domanda =
      QStringLiteral("2 fotografie potrebbero risultare sgranate nella stampa. Continuare comunque?");

  void SetUp() override {
    ScriviFotoProva(ambiente.foto.path(), {"a.jpg", "b.png"});
    finestra = ambiente.FinestraSulleFoto();
    finestra->CopiaNelFormato(QStringLiteral("15x10"));
    ASSERT_TRUE(AttendiFinche([this] { return finestra->Controlli().fvFotoFormato->DecodificheInCorso() == 0; }));
    ambiente.piattaforma.Azzera();
  }
  QStringList CartelleOrdine() const {
    return QDir(destinazione.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  }
};

// No stops the order folder and the send before anything is written or sent;
// yes, asked once, goes on to the folder and to the send window.
TEST_F(AvvisoQualita, TheQuestionBeforeTheOrderFolderAndTheSendStopsOnNoAndGoesOnOnYes) {
  for (const bool si : {false, true}) {
    SCOPED_TRACE(si);
    const RispostaMessaggio risposta = si ? RispostaMessaggio::Si : RispostaMessaggio::No;
    ambiente.piattaforma.Azzera();
    ambiente.piattaforma.ScegliCartella(destinazione.path());
    ambiente.piattaforma.Rispondi(risposta);
    finestra->Premi(finestra->Controlli().tbOperazioni, "C8");
    const QStringList testi = ambiente.piattaforma.testi();
    ASSERT_EQ(testi.size(), si ? 2 : 1);
    EXPECT_EQ(testi[0], domanda);
    EXPECT_EQ(ambiente.piattaforma.messaggi()[0].icona, IconaMessaggio::Domanda);
    EXPECT_EQ(ambiente.piattaforma.messaggi()[0].pulsanti, PulsantiMessaggio::SiNo);
    if (si) EXPECT_TRUE(testi[1].startsWith(QStringLiteral("Creazione della cartella:")));
    EXPECT_EQ(ambiente.piattaforma.titoliCartella().isEmpty(), !si);
    EXPECT_EQ(CartelleOrdine().size(), si ? 1 : 0);

    ambiente.piattaforma.Azzera();
    ambiente.piattaforma.Rispondi(risposta);
    finestra->Premi(finestra->Controlli().tbOperazioni, "FTP");
    EXPECT_EQ(ambiente.piattaforma.testi(), QStringList{domanda});
    EXPECT_EQ(finestra->finestreModali, si ? QStringList{QStringLiteral("frmFTP")} : QStringList{});
  }
}

TEST_F(AvvisoQualita, TheMarksFollowTheFitModeAndANewPriceList) {
  ctrFotoView* vista = finestra->Controlli().fvFotoFormato;
  ASSERT_EQ(vista->TotFile(), 2);
  ASSERT_TRUE(vista->AvvisoThumb(0).has_value());
  EXPECT_EQ(vista->AvvisoThumb(0)->testo,
            QStringLiteral("Risoluzione bassa per il formato 15x10: 27 dpi (consigliati almeno 150)."));

  // A price list whose 15x10 is a 2 x 3 cm sticker: the 160 x 120 photos are only low there.
  ambiente.programma.Scrivi(QStringLiteral("Formati.xml"),
                            "<xml><formato id='15x10' dimensioni='2x3' descrizione='Adesivo' "
                            "amatoriale='1'>25</formato></xml>");
  finestra->ScaricaPrezziario();
  ASSERT_TRUE(vista->AvvisoThumb(0).has_value());
  EXPECT_EQ(vista->AvvisoThumb(0)->livello, LivelloQualita::Bassa);

  // Inside the sticker: 160 pixels on 3 cm are 135 dpi, 120 on 2 cm are 152.
  vista->Spunte().CheckaTutto(true);
  finestra->ImpostaRidimensionamento(QStringLiteral("1"));
  finestra->Attendi();
  EXPECT_FALSE(vista->AvvisoThumb(0).has_value());
}

}  // namespace
