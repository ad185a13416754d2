#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include "FinestraProva.h"
#include "album/FileAlbum.h"
#include "windows/PannelloSfumato.h"
#include "mainwindow/ApriFinestraPrincipale.h"
#include "mainwindow/CampoNumeroFoto.h"
#include "mainwindow/DivisoreTrascinabile.h"
#include "mainwindow/GeometriaFinestra.h"
#include "settings/cINIProfiles.h"
#include "thumbview/ctrFotoView.h"

namespace {

const QString kChiusuraScorretta = QStringLiteral(
    "Il programma non è stato chiuso correttamente nella precedente sessione di lavoro.\n"
    "Si consiglia di creare un nuovo Velistra e cancellare quello corrente.");

void Trascina(QWidget* barra, int daX, int aX, bool rilascia) {
  QMouseEvent premi(QEvent::MouseButtonPress, QPointF(daX, 5), barra->mapToGlobal(QPointF(daX, 5)), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(barra, &premi);
  QMouseEvent muovi(QEvent::MouseMove, QPointF(aX, 5), barra->mapToGlobal(QPointF(aX, 5)), Qt::NoButton,
                    Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(barra, &muovi);
  if (!rilascia) return;
  QMouseEvent lascia(QEvent::MouseButtonRelease, QPointF(aX, 5), barra->mapToGlobal(QPointF(aX, 5)), Qt::LeftButton,
                     Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(barra, &lascia);
}

// A customer who already entered the data and saw the notice.
class FinestraPrincipale : public ::testing::Test {
 protected:
  FinestraPrincipale() { ambiente.ClienteAbituale(); }
  AmbienteFinestra ambiente;
};

TEST_F(FinestraPrincipale, EveryControlHasItsNameAccessibleNameAndTooltip) {
  auto finestra = ambiente.NuovaFinestra();
  for (const char* nome : {"ftvFile", "picZoom", "picResizer1", "picResizer2", "lblTitoloFotoCartella", "tbCartella",
                           "chkFormatiCopia", "cmbFormatiCopia", "lblFormatiCopia", "sepNumFotoDir", "fvFotoCartella",
                           "lblTitoloFotoFormato", "tbGruppo", "chkFormatiFoto", "cmbFormatiFoto", "lblFormatiFoto",
                           "tbOperazioni", "chkFormatiOperazioni", "cmbFormatiOperazioni", "txtNumFoto", "udNumFoto",
                           "cmbRidimensiona", "lblFormatiOperazioni", "sepNumFotoFormato", "fvFotoFormato", "sbStato",
                           "pbAvanzamento", "Scroll", "Conteggio", "Costo"}) {
    auto* controllo = finestra->findChild<QWidget*>(QString::fromLatin1(nome));
    ASSERT_TRUE(controllo) << nome;
    EXPECT_FALSE(controllo->accessibleName().isEmpty()) << nome;
  }
  const QList<std::pair<QToolBar*, QStringList>> barre{
      {finestra->Controlli().tbCartella,
       {"CopiaIn", "Annulla", "SelezionaTutto", "DeSelezionaTutto", "Aggiorna", "Utente", "Guida", "Info"}},
      {finestra->Controlli().tbGruppo,
       {"Filtro", "Nuovo", "Annulla", "Cancella", "SelezionaTutto", "DeSelezionaTutto", "Aggiorna",
        "ScaricaPrezziario"}},
      {finestra->Controlli().tbOperazioni, {"CopiaIn", "SpostaIn", "NumFoto", "Ridimensiona", "C8", "FTP"}}};
  for (const auto& [barra, chiavi] : barre)
    for (const QString& chiave : chiavi) {
      QAction* pulsante = frmScegliFoto::Pulsante(barra, chiave);
      ASSERT_TRUE(pulsante) << chiave.toStdString();
      EXPECT_FALSE(pulsante->icon().isNull()) << chiave.toStdString();
      EXPECT_EQ(barra->widgetForAction(pulsante)->accessibleName(), pulsante->toolTip());
    }
  EXPECT_EQ(frmScegliFoto::Pulsante(finestra->Controlli().tbOperazioni, "C8")->toolTip(),
            QStringLiteral("Crea cartella da consegnare al fotografo"));
  EXPECT_EQ(frmScegliFoto::Pulsante(finestra->Controlli().tbGruppo, "Annulla")->toolTip(), QStringLiteral("Annulla caricamento"));
  EXPECT_TRUE(frmScegliFoto::Pulsante(finestra->Controlli().tbGruppo, "Filtro")->isCheckable());
  EXPECT_EQ(finestra->findChild<QLabel*>("lblTitoloFotoFormato")->text(), QStringLiteral("MODIFICA IL FORMATO O LA QUANTITA'"));
  QStringList modi;
  for (int i = 0; i < finestra->Controlli().cmbRidimensiona->count(); ++i)
    modi.append(finestra->Controlli().cmbRidimensiona->itemText(i) + u'=' + finestra->Controlli().cmbRidimensiona->itemData(i).toString());
  EXPECT_EQ(modi, (QStringList{"Fill-In=0", "Fit-in=1", "Nessuno=2"}));
  EXPECT_EQ(finestra->Controlli().cmbRidimensiona->currentText(), QStringLiteral("Fill-In"));
  EXPECT_EQ(finestra->Controlli().pbAvanzamento->palette().color(QPalette::Highlight), QColor(0xC0, 0xFF, 0xFF));
  EXPECT_EQ(finestra->Controlli().sepNumFotoDir->property("Caption").toString(), QStringLiteral("Fotografie: 0"));
}

TEST_F(FinestraPrincipale, FirstStartWithoutGeometryOpensMaximisedOverTheDefaultNormalSize) {
  for (const char* chiave : {"FormMassimizzata", "picResizer2", "AltezzaForm", "LarghezzaForm", "TopForm", "LeftForm"})
    cINIProfiles().DeletePrivateProfileKeyString(QStringLiteral("DimForm"), QString::fromLatin1(chiave),
                                                 ambiente.percorsi().PercorsoIni);
  FinestraProva finestra(ambiente.percorsi(), {});
  finestra.CaricaFinestra();
  EXPECT_TRUE(finestra.windowState() & Qt::WindowMaximized);
  const double tx = TwipsPerPixelX(&finestra);
  const double ty = TwipsPerPixelY(&finestra);
  EXPECT_EQ(finestra.size(), QSize(qRound(9000 / tx), qRound(6000 / ty)));
  EXPECT_EQ(finestra.pos(), QPoint(qRound(50 / tx), qRound(50 / ty)));
  EXPECT_EQ(finestra.Controlli().picResizer2->posizioneScelta(), 500);
  EXPECT_TRUE(ambiente.piattaforma.messaggi().isEmpty());

  finestra.show();
  EXPECT_TRUE(finestra.isMaximized());
  EXPECT_TRUE(finestra.close());
  // A maximised close leaves the normal size and place unwritten.
  EXPECT_EQ(ambiente.Dimensione("FormMassimizzata"), QStringLiteral("1"));
  for (const char* chiave : {"AltezzaForm", "LarghezzaForm", "TopForm", "LeftForm"})
    EXPECT_EQ(ambiente.Dimensione(chiave), QStringLiteral("-")) << chiave;
  // The splitter as the window placed it for its width.
  EXPECT_EQ(ambiente.Dimensione("picResizer2"), QString::number(finestra.Controlli().picResizer2->x()));
}

// Not maximised: the window's own geometry, in twips, read back the same.
TEST_F(FinestraPrincipale, ANormalCloseWritesTheGeometryInTwipsAndItIsReadBackTheSame) {
  auto finestra = ambiente.NuovaFinestra();
  finestra->resize(700, 500);
  finestra->close();
  const double tx = TwipsPerPixelX(finestra.get());
  EXPECT_EQ(ambiente.Dimensione("FormMassimizzata"), QStringLiteral("0"));
  EXPECT_EQ(ambiente.Dimensione("LarghezzaForm"), QString::number(static_cast<int>(700 * tx)));
  FinestraProva riaperta(ambiente.percorsi(), {});
  riaperta.CaricaFinestra();
  EXPECT_EQ(riaperta.size(), QSize(700, 500));
  EXPECT_FALSE(riaperta.windowState() & Qt::WindowMaximized);
}

TEST_F(FinestraPrincipale, AWindowStoredLargerThanTheScreenOpensWhollyOnIt) {
  const QRect schermo = QGuiApplication::primaryScreen()->availableGeometry();
  const double tx = TwipsPerPixelX(nullptr);
  const double ty = TwipsPerPixelY(nullptr);
  // As 1200 x 900 stored and a 1024 x 768 screen, on the screen the test has.
  for (auto [chiave, valore] : {std::pair{"LarghezzaForm", (schermo.width() + 176) * tx},
                                {"AltezzaForm", (schermo.height() + 132) * ty}, {"LeftForm", 50 * tx},
                                {"TopForm", 50 * ty}, {"FormMassimizzata", 0.0}})
    ambiente.ImpostaDimensione(chiave, QString::number(static_cast<int>(valore)));
  FinestraProva finestra(ambiente.percorsi(), {});
  finestra.CaricaFinestra();
  EXPECT_EQ(finestra.geometry(), schermo);
}

TEST_F(FinestraPrincipale, TheSplitterFollowsTheDragButComesBackTo380) {
  auto finestra = ambiente.NuovaFinestra();
  DivisoreTrascinabile* divisore = finestra->Controlli().picResizer2;
  const int larghezzaCartella = finestra->Controlli().fvFotoCartella->width();
  const int inizio = divisore->x();
  Trascina(divisore, 2, -48, true);
  EXPECT_EQ(divisore->x(), inizio - 50);
  EXPECT_EQ(finestra->Controlli().fvFotoCartella->width(), larghezzaCartella - 50);
  EXPECT_EQ(finestra->Controlli().fvFotoFormato->x(), inizio - 50 + divisore->width() + 2);

  divisore->move(370, divisore->y());
  Trascina(divisore, 2, -100, false);
  EXPECT_EQ(divisore->x(), 380);
  Trascina(divisore, 2, 12, true);
  EXPECT_EQ(divisore->x(), 390);
  finestra->close();
  EXPECT_EQ(ambiente.Dimensione("picResizer2"), QStringLiteral("390"));
}

TEST_F(FinestraPrincipale, AnUncleanStopIsReportedUnlessASendWasUnderWay) {
  ambiente.ImpostaOpzione("ChiusuraOk", "0");
  {
    auto finestra = ambiente.NuovaFinestra();
    ASSERT_EQ(ambiente.piattaforma.testi(), QStringList{kChiusuraScorretta});
    EXPECT_EQ(ambiente.piattaforma.messaggi()[0].icona, IconaMessaggio::Informazione);
  }
  ambiente.piattaforma.Azzera();
  ambiente.ImpostaOpzione("FTPInCorso", "1");
  auto finestra = ambiente.NuovaFinestra();
  EXPECT_TRUE(ambiente.piattaforma.messaggi().isEmpty());
  finestra->Attiva();
  EXPECT_EQ(ambiente.piattaforma.testi(), QStringList{"L'invio del Velistra non è ancora terminato.\n"
                                                      "Verrà aperta la maschera per poter continuare con l'invio."});
  EXPECT_EQ(finestra->finestreModali, QStringList{QStringLiteral("frmFTP")});
  EXPECT_TRUE(finestra->FinestraAttivata());
}

TEST(PrimaAttivazione, TheFirstActivationOpensBothWindowsInOrderAndALaterOneNothing) {
  AmbienteFinestra ambiente;
  ScriviFotoProva(ambiente.foto.path(), {"a.jpg", "b.png"});
  auto finestra = ambiente.NuovaFinestra();
  ASSERT_TRUE(finestra->Sfoglia(ambiente.foto.path()));
  EXPECT_EQ(finestra->Controlli().fvFotoCartella->TotFile(), 0);  // not yet activated
  finestra->Attiva();
  EXPECT_EQ(finestra->finestreModali, (QStringList{"frmDatiUtente", "frmMessaggioAvviso"}));
  EXPECT_EQ(finestra->Controlli().fvFotoCartella->TotFile(), 2);
  EXPECT_EQ(finestra->Controlli().pannelloCosto->testo(), QStringLiteral("€ 0,00"));
  EXPECT_EQ(ambiente.Opzione("NonMostrareMessaggio"), QStringLiteral("0"));

  // Through the toolkit's own activation as well as directly, nothing repeats.
  finestra->activateWindow();
  QCoreApplication::processEvents();
  finestra->Attiva();
  EXPECT_EQ(finestra->finestreModali.size(), 2);
  EXPECT_TRUE(ambiente.piattaforma.messaggi().isEmpty());
}

TEST_F(FinestraPrincipale, ClosingIsRefusedWhileALongOperationRuns) {
  ScriviFotoProva(ambiente.foto.path(), {"a.jpg", "b.jpg", "c.jpg"});
  auto finestra = ambiente.FinestraSulleFoto();
  finestra->Controlli().fvFotoCartella->Spunte().CheckaTutto(true);
  // The copy runs on a worker; its end reaches the window only through the
  // event loop, so the window is seen here in the middle of it.
  frmScegliFoto::Pulsante(finestra->Controlli().tbCartella, "CopiaIn")->trigger();
  EXPECT_FALSE(frmScegliFoto::Pulsante(finestra->Controlli().tbCartella, "Aggiorna")->isEnabled());
  EXPECT_TRUE(frmScegliFoto::Pulsante(finestra->Controlli().tbCartella, "Annulla")->isEnabled());
  EXPECT_FALSE(finestra->Controlli().picResizer2->isEnabled());
  EXPECT_EQ(ambiente.piattaforma.puntatoriOccupati(), 1);
  EXPECT_FALSE(finestra->close());
  EXPECT_EQ(ambiente.piattaforma.testi(), QStringList{"Annullare l'operazione prima di chiudere l'applicazione."});
  EXPECT_EQ(ambiente.piattaforma.messaggi()[0].icona, IconaMessaggio::Nessuna);
  EXPECT_EQ(ambiente.Opzione("ChiusuraOk"), QStringLiteral("0"));
  ASSERT_TRUE(AttendiFinche([&] { return !finestra->OperazioneInCorso(); }));
  EXPECT_EQ(finestra->Controlli().fvFotoFormato->TotFile(), 3);
  EXPECT_EQ(ambiente.piattaforma.puntatoriOccupati(), 0);
  EXPECT_TRUE(frmScegliFoto::Pulsante(finestra->Controlli().tbCartella, "Aggiorna")->isEnabled());
  EXPECT_TRUE(finestra->close());
  EXPECT_EQ(ambiente.Opzione("ChiusuraOk"), QStringLiteral("1"));
}

// The album is saved by a task: a close asked meanwhile comes once it has
// ended, and the close's own save then writes the album as it stands.
TEST_F(FinestraPrincipale, AClosingDuringTheAlbumsSaveWaitsForItAndThenCloses) {
  ScriviFotoProva(ambiente.foto.path(), {"a.jpg"});
  auto finestra = ambiente.FinestraSulleFoto();
  finestra->CopiaNelFormato("15x10", {0});
  ambiente.piattaforma.Azzera();
  finestra->Controlli().fvFotoFormato->Spunte().CheckaTutto(true);
  finestra->Controlli().txtNumFoto->setText("4");
  frmScegliFoto::Pulsante(finestra->Controlli().tbOperazioni, "NumFoto")->trigger();
  ASSERT_TRUE(finestra->ordine().SalvataggioInCorso());
  EXPECT_FALSE(finestra->close());
  EXPECT_TRUE(finestra->isVisible());
  EXPECT_EQ(ambiente.piattaforma.testi(), QStringList{});
  ASSERT_TRUE(AttendiFinche([&] { return !finestra->isVisible(); }));
  EXPECT_EQ(ambiente.Opzione("ChiusuraOk"), QStringLiteral("1"));
  const QList<VoceAlbum> voci = TutteLeVoci(LeggiAlbum(ambiente.programma.Leggi(QStringLiteral("Velistra.xml"))));
  ASSERT_EQ(voci.size(), 1);
  EXPECT_EQ(voci[0].quantita, 4);
}

TEST_F(FinestraPrincipale, HelpOpensTheShippedPageWithoutTheCompiledHelp) {
  auto finestra = ambiente.NuovaFinestra();
  frmScegliFoto::Pulsante(finestra->Controlli().tbCartella, "Guida")->trigger();
  ambiente.programma.Scrivi("Velistra.chm", "ITSF");
  frmScegliFoto::Pulsante(finestra->Controlli().tbCartella, "Guida")->trigger();
  EXPECT_EQ(ambiente.piattaforma.documentiAperti(),
            (QStringList{ambiente.programma.file("Velistra.html"), ambiente.programma.file("Velistra.chm")}));
  EXPECT_TRUE(QFile::exists(ambiente.programma.file("Velistra.html")));
}

TEST_F(FinestraPrincipale, TheTitleCarriesTheVersionAndTheRunningProgramFileDate) {
  // As for an installed program: no program file in the program folder.
  FinestraProva finestra(ambiente.percorsi(), {});
  finestra.CaricaFinestra();
  const QDate data = QFileInfo(QCoreApplication::applicationFilePath()).lastModified().date();
  EXPECT_EQ(finestra.windowTitle(), QStringLiteral("Velistra - ver. " VELISTRA_VERSIONE " (") +
                                        data.toString(QStringLiteral("dd/MM/yyyy")) + u')');
}

TEST_F(FinestraPrincipale, TheStatusPanelsKeepTheirGradientAndTextOverRepaints) {
  auto finestra = ambiente.NuovaFinestra();
  finestra->Attiva();
  PannelloSfumato* costo = finestra->Controlli().pannelloCosto;
  finestra->Controlli().sbStato->repaint();
  const QImage pannello = costo->grab().toImage();
  // Blue-green-red 0xC0C000 on the left, 0xFFFFC0 on the right.
  const QColor sinistra = pannello.pixelColor(1, pannello.height() - 2);
  const QColor destra = pannello.pixelColor(pannello.width() - 2, pannello.height() - 2);
  EXPECT_LT(sinistra.red(), 20);
  EXPECT_GT(sinistra.blue(), 170);
  EXPECT_GT(destra.red(), 170);
  EXPECT_GT(destra.green(), 240);
  EXPECT_EQ(finestra->Controlli().pannelloConteggio->testo(), QStringLiteral("Foto: 0/0"));
}

TEST_F(FinestraPrincipale, TheProgramOpensTheLoadedWindowWhichGoesAwayWhenClosed) {
  OrdineVelistra ordine(ambiente.percorsi());
  QPointer<QWidget> finestra = ApriFinestraPrincipale(ambiente.percorsi(), {}, ordine);
  ASSERT_TRUE(qobject_cast<frmScegliFoto*>(finestra.data()));
  EXPECT_TRUE(finestra->isVisible());
  EXPECT_TRUE(finestra->isMaximized());
  EXPECT_EQ(ambiente.Opzione("ChiusuraOk"), QStringLiteral("0"));
  EXPECT_TRUE(finestra->close());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(finestra.isNull());
  EXPECT_EQ(ambiente.Opzione("ChiusuraOk"), QStringLiteral("1"));
}

}  // namespace
