#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "FinestraProva.h"
#include "thumbview/ctrFotoView.h"
#include "mainwindow/frmStoricoOrdini.h"

namespace {

// Three photos of the customer's in "15x10".
class FinestraStorico : public ::testing::Test {
 protected:
  AmbienteFinestra ambiente;
  std::unique_ptr<FinestraProva> finestra;
  QTemporaryDir destinazione;
  QStringList foto;

  void SetUp() override {
    foto = ScriviFotoProva(ambiente.foto.path(), {"a.jpg", "b.png", "c.tiff"});
    finestra = ambiente.FinestraSulleFoto();
    finestra->CopiaNelFormato(QStringLiteral("15x10"));
    ambiente.piattaforma.Azzera();
  }
  QString FileStorico() const { return ambiente.percorsi().PercorsoStorico; }
};

}  // namespace

// The repeat comes after a price list without 13x9 and after a photo was deleted.
TEST_F(FinestraStorico, AnOrderFolderIsListedOpenedAndRepeatedWithoutWhatIsGoneSince) {
  finestra->CopiaNelFormato(QStringLiteral("13x9"));
  // The folder chooser cancelled: nothing is written, nothing recorded.
  finestra->Premi(finestra->Controlli().tbOperazioni, "C8");
  EXPECT_FALSE(QFile::exists(FileStorico()));
  ambiente.piattaforma.ScegliCartella(destinazione.path());
  finestra->Premi(finestra->Controlli().tbOperazioni, "C8");
  const QStringList cartelle = QDir(destinazione.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  ASSERT_EQ(cartelle.size(), 1);
  const QString cartella = destinazione.path() + u'/' + cartelle[0] + u'/';

  QFile::remove(foto[1]);
  auto listino = CreaDocumentoXML(ambiente.percorsi().PercorsoFormati);
  NodoXML tredici = listino->selezionaNodo("/xml/formato[@id='13x9']");
  tredici.genitore().rimuoviFiglio(tredici);
  finestra->ordine().SostituisciCatalogo(std::move(listino));
  ambiente.piattaforma.Azzera();
  ambiente.piattaforma.Rispondi(RispostaMessaggio::Si);
  QStringList riga;
  finestra->allaFinestraModale = [&](QDialog& finestraModale) {
    auto& storico = dynamic_cast<frmStoricoOrdini&>(finestraModale);
    ASSERT_EQ(storico.lvOrdini()->topLevelItemCount(), 1);
    for (int colonna = 1; colonna < 4; ++colonna) riga.append(storico.lvOrdini()->topLevelItem(0)->text(colonna));
    ASSERT_TRUE(storico.cmdApriCartella()->isEnabled());
    storico.cmdApriCartella()->click();
    storico.cmdRipetiOrdine()->click();
  };
  finestra->Premi(finestra->Controlli().tbGruppo, "Storico");
  finestra->Attendi();

  EXPECT_EQ(finestra->finestreModali, QStringList{"frmStoricoOrdini"});
  EXPECT_EQ(riga, (QStringList{"Cartella", "6", "€ 1,32"}));
  EXPECT_EQ(ambiente.piattaforma.documentiAperti(), QStringList{cartella});
  EXPECT_EQ(ambiente.piattaforma.testi(),
            (QStringList{"Il Velistra corrente verrà sostituito. Continuare?",
                         QStringLiteral("Non trovate: ") + QDir::toNativeSeparators(foto[1]) +
                             QStringLiteral("\nFormati non più disponibili nel listino: 13x9. Le fotografie di "
                                            "questi formati non sono state aggiunte.")}));
  EXPECT_EQ(finestra->Controlli().fvFotoFormato->TotFile(), 2);
}
