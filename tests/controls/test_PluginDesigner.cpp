#include <gtest/gtest.h>

#include <QPluginLoader>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <memory>

#include "controls/KvContenitore.h"
#include "controls/KvSeparatore.h"

namespace {

TEST(PluginDesigner, OffersBothControlsAsNewlyPlacedOnes) {
  QPluginLoader caricatore(QStringLiteral(KELMORA_DESIGNER));
  auto* raccolta = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(caricatore.instance());
  ASSERT_TRUE(raccolta) << caricatore.errorString().toStdString();
  const QList<QDesignerCustomWidgetInterface*> controlli = raccolta->customWidgets();
  ASSERT_EQ(controlli.size(), 2);
  EXPECT_EQ(controlli[0]->name(), QStringLiteral("KvContenitore"));
  EXPECT_TRUE(controlli[0]->isContainer());
  EXPECT_EQ(controlli[1]->includeFile(), QStringLiteral("controls/KvSeparatore.h"));
  EXPECT_TRUE(controlli[1]->domXml().contains(QStringLiteral("class=\"KvSeparatore\" name=\"sepSeparatore\"")));

  QWidget finestra;
  std::unique_ptr<QWidget> separatore(controlli[1]->createWidget(&finestra));
  EXPECT_EQ(qobject_cast<KvSeparatore*>(separatore.get())->Caption(), QStringLiteral("Testo"));
  std::unique_ptr<QWidget> contenitore(controlli[0]->createWidget(&finestra));
  EXPECT_EQ(qobject_cast<KvContenitore*>(contenitore.get())->Stile(), 2);
}

}  // namespace
