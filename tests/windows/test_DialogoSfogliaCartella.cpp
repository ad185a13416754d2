#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <functional>

#include "HomeProva.h"
#include "windows/AlberoCartelle.h"
#include "windows/DialogoSfogliaCartella.h"
#include "windows/PiattaformaDesktop.h"
#include "support/PiattaformaFinta.h"
#include "support/SenzaPermessiRoot.h"

namespace {

const QString kMessaggio =
    QStringLiteral("Selezionare la directory dove inserire le fotografie ed i relativi formati e quantità:");

// Runs the real chooser and plays the user once it is up.
QString Sfoglia(bool digitazione, const std::function<void(DialogoSfogliaCartella&)>& utente) {
  QTimer::singleShot(0, [utente] { utente(*qobject_cast<DialogoSfogliaCartella*>(QApplication::activeModalWidget())); });
  return PiattaformaDesktop().SfogliaCartella(nullptr, kMessaggio, digitazione);
}

void Premi(DialogoSfogliaCartella& dialogo, const char* nome) {
  dialogo.findChild<QAbstractButton*>(QString::fromLatin1(nome))->click();
}

TEST(DialogoSfogliaCartella, ThePromptShowsInsideAndEveryVisibleTextIsItalian) {
  DialogoSfogliaCartella dialogo(kMessaggio, true);
  dialogo.show();
  const auto* messaggio = dialogo.findChild<QLabel*>(QStringLiteral("lblMessaggio"));
  ASSERT_TRUE(messaggio && messaggio->isVisible());
  EXPECT_EQ(messaggio->text(), kMessaggio);
  EXPECT_TRUE(dialogo.rect().contains(messaggio->geometry()));

  const QRegularExpression inglese(
      QStringLiteral("\\b(Folder|Name|Size|Type|Kind|Date|Modified|Cancel|Open|Choose|Look in|New)\\b"));
  for (const QWidget* w : dialogo.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&dialogo)) continue;
    QStringList testi{w->toolTip()};
    if (auto* etichetta = qobject_cast<const QLabel*>(w)) testi << etichetta->text();
    if (auto* pulsante = qobject_cast<const QAbstractButton*>(w)) testi << pulsante->text();
    if (auto* intestazione = qobject_cast<const QHeaderView*>(w))
      for (int c = 0; c < intestazione->count(); ++c)
        if (!intestazione->isSectionHidden(c)) testi << intestazione->model()->headerData(c, Qt::Horizontal).toString();
    for (const QString& testo : testi) EXPECT_FALSE(testo.contains(inglese)) << testo.toStdString();
  }
  // Names only: the platform's column of kinds says "Folder".
  const auto* albero = dialogo.findChild<QTreeView*>();
  int colonne = 0;
  for (int c = 0; c < albero->model()->columnCount(); ++c) colonne += albero->isColumnHidden(c) ? 0 : 1;
  EXPECT_EQ(colonne, 1);
}

TEST(DialogoSfogliaCartella, TheChosenTypedOrNewFolderComesBackAndCancelGivesNothing) {
  QTemporaryDir radice;
  const QString foto = radice.filePath(QStringLiteral("Foto"));
  ASSERT_TRUE(QDir().mkpath(foto));
  EXPECT_EQ(Sfoglia(false, [&foto](auto& d) { d.ScegliCartella(foto); Premi(d, "cmdOK"); }), foto);
  EXPECT_EQ(Sfoglia(true, [&foto](auto& d) {
              d.ScegliCartella(foto);
              d.template findChild<QLineEdit*>()->setText(QStringLiteral("Stampe"));
              Premi(d, "cmdOK");
            }),
            foto + QStringLiteral("/Stampe"));
  EXPECT_EQ(Sfoglia(false, [&foto](auto& d) {
              d.ScegliCartella(foto);
              Premi(d, "cmdNuovaCartella");
              Premi(d, "cmdOK");
            }),
            foto + QStringLiteral("/Nuova cartella"));
  EXPECT_EQ(NomeNuovaCartella(QDir(foto)), QStringLiteral("Nuova cartella (2)"));
  EXPECT_EQ(Sfoglia(true, [](auto& d) { Premi(d, "cmdAnnulla"); }), QString());
  EXPECT_EQ(CartellaDigitata(foto, QStringLiteral("../Altre")), radice.filePath(QStringLiteral("Altre")));
}

// Types a name in the open in-place editor and commits it with Enter.
void Rinomina(DialogoSfogliaCartella& dialogo, const QString& nome) {
  const auto* albero = dialogo.findChild<QTreeView*>();
  auto* editor = qobject_cast<QLineEdit*>(albero->indexWidget(albero->currentIndex()));
  ASSERT_NE(editor, nullptr);
  editor->setText(nome);
  QKeyEvent invio(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(editor, &invio);
  // The editor commits on a queued call, and a failure's message is queued after it.
  QApplication::processEvents();
  QApplication::processEvents();
}

TEST(DialogoSfogliaCartella, OffersTheDesktopPlacesAndTheMediumWhereANewFolderIsNamedInPlace) {
  HomeProva home;
  home.crea("Pictures");
  home.crea("media/CHIAVETTA");
  PiattaformaFinta finta;
  DialogoSfogliaCartella dialogo(kMessaggio, false, nullptr, {home.percorso("media")});
  dialogo.show();
  auto* albero = dialogo.findChild<AlberoCartelle*>(QStringLiteral("tvCartelle"));
  ASSERT_NE(albero, nullptr);
  EXPECT_EQ(Nomi(*albero), "Cartella Home,Immagini,CHIAVETTA,File system");
  EXPECT_EQ(dialogo.cartellaScelta(), home.dir.path());

  const QString chiavetta = home.percorso("media/CHIAVETTA");
  dialogo.ScegliCartella(chiavetta);
  EXPECT_EQ(dialogo.cartellaScelta(), chiavetta);

  Premi(dialogo, "cmdNuovaCartella");
  EXPECT_EQ(dialogo.cartellaScelta(), chiavetta + QStringLiteral("/Nuova cartella"));
  Rinomina(dialogo, QStringLiteral("Ordine Rossi"));
  EXPECT_EQ(QDir(chiavetta).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{QStringLiteral("Ordine Rossi")});
  EXPECT_EQ(dialogo.cartellaScelta(), chiavetta + QStringLiteral("/Ordine Rossi"));
  EXPECT_EQ(dialogo.findChild<QLineEdit*>(QStringLiteral("txtCartella"))->text(), dialogo.cartellaScelta());

  // A name already taken, or one that would move the folder elsewhere, keeps the old name.
  for (const QString& nome : {QStringLiteral("Ordine Rossi"), QStringLiteral("../fuori")}) {
    dialogo.ScegliCartella(chiavetta);
    Premi(dialogo, "cmdNuovaCartella");
    Rinomina(dialogo, nome);
    EXPECT_EQ(dialogo.cartellaScelta(), chiavetta + QStringLiteral("/Nuova cartella"));
    EXPECT_EQ(albero->currentIndex().data().toString(), QStringLiteral("Nuova cartella"));
    ASSERT_TRUE(QDir(chiavetta).rmdir(QStringLiteral("Nuova cartella")));
  }
  EXPECT_EQ(finta.testi(), QStringList(2, QStringLiteral("Impossibile rinominare la cartella con il nome indicato.")));
  EXPECT_TRUE(QDir(chiavetta).exists(QStringLiteral("Ordine Rossi")));
  EXPECT_FALSE(QDir(home.percorso("media")).exists(QStringLiteral("fuori")));

  {
    CartellaSoloLettura protetta(chiavetta);
    dialogo.ScegliCartella(chiavetta);
    Premi(dialogo, "cmdNuovaCartella");
  }
  EXPECT_EQ(finta.testi().size(), 3);
  EXPECT_EQ(finta.testi().last(), QStringLiteral("Impossibile creare una nuova cartella in questa posizione."));
  EXPECT_EQ(dialogo.cartellaScelta(), chiavetta);
  Premi(dialogo, "cmdOK");
  EXPECT_EQ(dialogo.result(), QDialog::Accepted);
}

}  // namespace
