#include <gtest/gtest.h>


#include "FinestraProva.h"
#include "thumbview/ctrFotoView.h"

namespace {

QString Domanda(const QString& nome) {
  return QStringLiteral("La fotografia '%1' è già presente nel formato 15x10. Aggiungerla di nuovo?").arg(nome);
}

// Five photos of the folder already copied once into 15x10.
class DuplicatiFinestra : public ::testing::Test {
 protected:
  AmbienteFinestra ambiente;
  std::unique_ptr<FinestraProva> finestra;

  void SetUp() override {
    ScriviFotoProva(ambiente.foto.path(), {"a.jpg", "b.png", "c.tiff", "d.jpg", "e.jpg"});
    finestra = ambiente.FinestraSulleFoto();
    CopiaTutte();
    ASSERT_EQ(Voci(), 5);
    ambiente.piattaforma.Azzera();
  }
  void CopiaTutte() { finestra->CopiaNelFormato(QStringLiteral("15x10")); }
  int Voci() const { return finestra->ordine().NumeroVoci(QStringLiteral("15x10")); }
};

TEST_F(DuplicatiFinestra, EachAnswerHoldsForItsPhotoOrTheRestAndNothingIsLeftHalfDone) {
  for (RispostaMessaggio r : {RispostaMessaggio::Si, RispostaMessaggio::No, RispostaMessaggio::SiATutte})
    ambiente.piattaforma.Rispondi(r);
  CopiaTutte();
  EXPECT_EQ(ambiente.piattaforma.testi(),
            (QStringList{Domanda("a.jpg"), Domanda("b.png"), Domanda("c.tiff"), "Copia eseguita nel formato 15x10."}));
  EXPECT_EQ(ambiente.piattaforma.messaggi()[0].icona, IconaMessaggio::Domanda);
  EXPECT_EQ(ambiente.piattaforma.messaggi()[0].pulsanti, PulsantiMessaggio::SiNoTutte);
  // b.png alone stayed out.
  EXPECT_EQ(Voci(), 9);

  ambiente.piattaforma.Azzera();
  ambiente.piattaforma.Rispondi(RispostaMessaggio::NoATutte);
  CopiaTutte();
  // Every photo refused: nothing claims a copy was made.
  EXPECT_EQ(ambiente.piattaforma.testi(),
            (QStringList{Domanda("a.jpg"), "Nessuna fotografia è stata copiata nel formato 15x10."}));
  EXPECT_EQ(finestra->Controlli().fvFotoFormato->TotFile(), 9);
}

}  // namespace
