#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <functional>

#include "common/DialogoSfogliaCartella.h"
#include "common/PiattaformaDesktop.h"

namespace {

const QString kMessaggio =
    QStringLiteral("Selezionare la directory dove inserire le fotografie ed i relativi formati e quantità:");

// Every text the user can see in the dialog.
QStringList TestiVisibili(const QWidget& dialogo) {
  QStringList testi{dialogo.windowTitle()};
  for (const QWidget* w : dialogo.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&dialogo)) continue;
    testi << w->toolTip();
    if (auto* etichetta = qobject_cast<const QLabel*>(w)) testi << etichetta->text();
    if (auto* pulsante = qobject_cast<const QAbstractButton*>(w)) testi << pulsante->text();
    if (auto* riga = qobject_cast<const QLineEdit*>(w)) testi << riga->placeholderText();
    if (auto* albero = qobject_cast<const QTreeView*>(w)) {
      for (int c = 0; c < albero->model()->columnCount(); ++c) {
        if (albero->isColumnHidden(c)) continue;
        if (!albero->isHeaderHidden()) testi << albero->model()->headerData(c, Qt::Horizontal).toString();
        const QModelIndex voce = albero->model()->index(0, c, albero->rootIndex());
        if (voce.isValid()) testi << voce.data().toString() << voce.data(Qt::ToolTipRole).toString();
      }
    }
  }
  return testi;
}

// Runs the real chooser and plays the user once it is up.
QString Sfoglia(bool digitazione, const std::function<void(DialogoSfogliaCartella&)>& utente) {
  QTimer::singleShot(0, [utente] {
    auto* dialogo = qobject_cast<DialogoSfogliaCartella*>(QApplication::activeModalWidget());
    ASSERT_TRUE(dialogo);
    utente(*dialogo);
  });
  return PiattaformaDesktop().SfogliaCartella(nullptr, kMessaggio, digitazione);
}

template <typename T>
T* Figlio(DialogoSfogliaCartella& d, const char* nome) {
  return d.findChild<T*>(QString::fromLatin1(nome));
}

TEST(DialogoSfogliaCartella, ThePromptShowsInsideAndEveryVisibleTextIsItalian) {
  DialogoSfogliaCartella dialogo(kMessaggio, true);
  dialogo.show();
  const auto* messaggio = dialogo.findChild<QLabel*>(QStringLiteral("lblMessaggio"));
  ASSERT_TRUE(messaggio);
  EXPECT_TRUE(messaggio->isVisible());
  EXPECT_EQ(messaggio->text(), kMessaggio);
  EXPECT_TRUE(dialogo.rect().contains(messaggio->geometry()));

  const QStringList testi = TestiVisibili(dialogo);
  EXPECT_TRUE(testi.contains(QStringLiteral("Annulla")));
  EXPECT_TRUE(testi.contains(QStringLiteral("Nuova cartella")));
  const QRegularExpression inglese(QStringLiteral(
      "\\b(Folder|Name|Size|Type|Kind|Date|Modified|Cancel|Open|Choose|Look in|New|Computer)\\b"));
  for (const QString& testo : testi) EXPECT_FALSE(testo.contains(inglese)) << testo.toStdString();
}

TEST(DialogoSfogliaCartella, TheChosenTypedOrNewFolderComesBackAndCancelGivesNothing) {
  QTemporaryDir radice;
  const QString foto = radice.filePath(QStringLiteral("Foto"));
  ASSERT_TRUE(QDir().mkpath(foto));

  EXPECT_EQ(Sfoglia(false, [&foto](DialogoSfogliaCartella& d) {
              d.ScegliCartella(foto);
              EXPECT_TRUE(Figlio<QLineEdit>(d, "txtCartella")->isReadOnly());
              Figlio<QAbstractButton>(d, "cmdOK")->click();
            }),
            foto);
  EXPECT_EQ(Sfoglia(true, [&foto](DialogoSfogliaCartella& d) {
              d.ScegliCartella(foto);
              Figlio<QLineEdit>(d, "txtCartella")->setText(QStringLiteral("Stampe di maggio"));
              Figlio<QAbstractButton>(d, "cmdOK")->click();
            }),
            foto + QStringLiteral("/Stampe di maggio"));
  EXPECT_EQ(Sfoglia(false, [&foto](DialogoSfogliaCartella& d) {
              d.ScegliCartella(foto);
              Figlio<QAbstractButton>(d, "cmdNuovaCartella")->click();
              Figlio<QAbstractButton>(d, "cmdOK")->click();
            }),
            foto + QStringLiteral("/Nuova cartella"));
  EXPECT_TRUE(QDir(foto + QStringLiteral("/Nuova cartella")).exists());
  EXPECT_EQ(Sfoglia(true, [&foto](DialogoSfogliaCartella& d) {
              d.ScegliCartella(foto);
              Figlio<QAbstractButton>(d, "cmdAnnulla")->click();
            }),
            QString());

  EXPECT_EQ(NomeNuovaCartella(QDir(foto)), QStringLiteral("Nuova cartella (2)"));
  EXPECT_EQ(CartellaDigitata(foto, QStringLiteral("  ")), foto);
  EXPECT_EQ(CartellaDigitata(foto, QStringLiteral("/media/chiavetta/")), QStringLiteral("/media/chiavetta"));
  EXPECT_EQ(CartellaDigitata(foto, QStringLiteral("../Altre")), radice.filePath(QStringLiteral("Altre")));
  EXPECT_EQ(CartellaDigitata(QString(), QStringLiteral("Altre")), QString());
}

}  // namespace
