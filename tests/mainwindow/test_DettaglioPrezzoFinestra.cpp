#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>

#include "BancoLaboratorio.h"
#include "FinestraProva.h"
#include "mainwindow/frmDettaglioPrezzo.h"
#include "mainwindow/frmFTP.h"
#include "windows/PannelloSfumato.h"

namespace {

void Clic(QWidget& controllo) {
  const QPointF punto(controllo.width() / 2.0, controllo.height() / 2.0);
  for (const QEvent::Type tipo : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent evento(tipo, punto, controllo.mapToGlobal(punto), Qt::LeftButton,
                       tipo == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&controllo, &evento);
  }
}

// What the breakdown window showed when it was opened.
struct Visto {
  QStringList formati;
  QString totale;
  QString listino;
  QString appunti;
};

Visto Guarda(QDialog& dialogo) {
  Visto visto;
  auto* tabella = dialogo.findChild<QTableWidget*>(QStringLiteral("tblDettaglio"));
  for (int r = 0; tabella && r < tabella->rowCount(); ++r) visto.formati.append(tabella->item(r, 0)->text());
  visto.totale = dialogo.findChild<QLabel*>(QStringLiteral("lblTotale"))->text();
  visto.listino = dialogo.findChild<QLabel*>(QStringLiteral("lblListino"))->text();
  QGuiApplication::clipboard()->clear();
  QKeyEvent copia(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, QStringLiteral("c"));
  QCoreApplication::sendEvent(dialogo.findChild<QPushButton*>(QStringLiteral("cmdChiudi")), &copia);
  visto.appunti = QGuiApplication::clipboard()->text();
  return visto;
}

// The download through the price-list window reaches the breakdown and the format lists.
TEST(DettaglioPrezzoFinestra, ThePanelAndTheCommandOpenItBeforeAndAfterAPriceListDownload) {
  AmbienteFinestra ambiente;
  BancoLaboratorio banco;
  ASSERT_TRUE(banco.avviato());
  ambiente.server = banco.datiServer();
  ScriviFotoProva(ambiente.foto.path(), {"a.jpg", "b.png", "c.tiff"});
  auto finestra = ambiente.FinestraSulleFoto();
  finestra->CopiaNelFormato(QStringLiteral("15x10"), {0, 1});
  finestra->CopiaNelFormato(QStringLiteral("13x9"), {2});

  Visto visto;
  finestra->allaFinestraModale = [&visto](QDialog& dialogo) { visto = Guarda(dialogo); };
  Clic(*finestra->Controlli().pannelloCosto);
  ASSERT_EQ(finestra->finestreModali, QStringList{QStringLiteral("frmDettaglioPrezzo")});
  EXPECT_EQ(visto.formati, (QStringList{"13x9", "15x10"}));
  EXPECT_EQ(visto.totale, QStringLiteral("Totale: ") + finestra->Controlli().pannelloCosto->testo());
  EXPECT_EQ(visto.totale, QStringLiteral("Totale: € 0,69"));
  EXPECT_EQ(visto.listino, QStringLiteral("Listino predefinito del programma"));
  EXPECT_TRUE(visto.appunti.endsWith(QStringLiteral("Totale: € 0,69\nListino predefinito del programma\n")));

  auto* lista = finestra->findChild<QComboBox*>(QStringLiteral("cmbFormatiCopia"));
  ASSERT_TRUE(VociLista(lista).join(u' ').contains(QStringLiteral("15x11")));
  finestra->allaFinestraModale = [&banco](QDialog& dialogo) {
    EXPECT_TRUE(dynamic_cast<frmFTP&>(dialogo).SoloPrezziario);
    UsaFinestraInvio(dialogo, QStringLiteral("guest"), banco.utente(QStringLiteral("guest")).password,
                     {"cmdAccedi", "cmdScaricaPrezziario"});
  };
  const QDateTime prima = QDateTime::currentDateTime().addSecs(-1);
  finestra->findChild<QAction*>(QStringLiteral("ScaricaPrezziario"))->trigger();
  ASSERT_TRUE(ambiente.piattaforma.testi().contains(QStringLiteral("Prezziario aggiornato.")));
  // The main window's lists follow the lab's: 15x11 is not in them, 10x7 only there.
  EXPECT_FALSE(VociLista(lista).join(u' ').contains(QStringLiteral("15x11")));
  EXPECT_TRUE(ambiente.programma.Leggi(QStringLiteral("Formati.xml")).contains("10x7"));
  const std::optional<QDateTime> scaricato = ambiente.impostazioni().ListinoScaricato();
  ASSERT_TRUE(scaricato);
  EXPECT_GE(*scaricato, prima);

  finestra->allaFinestraModale = [&visto](QDialog& dialogo) { visto = Guarda(dialogo); };
  finestra->findChild<QAction*>(QStringLiteral("DettaglioPrezzo"))->trigger();
  EXPECT_EQ(visto.listino, QStringLiteral("Listino scaricato il ") + scaricato->toString("dd/MM/yyyy") +
                               QStringLiteral(" alle ") + scaricato->toString("HH:mm"));
  // The lab's prices: the total follows them as the amount does.
  EXPECT_EQ(visto.totale, QStringLiteral("Totale: ") + finestra->Controlli().pannelloCosto->testo());
}

}  // namespace
