#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QObject>
#include "support/Attesa.h"
#include <QThread>

#include "common/Lavoro.h"

// The worker runs off the GUI thread, its queued calls and its end run on it,
// and the GUI thread keeps serving events while the worker waits for it.
TEST(Lavoro, IlLavoroGiraAParteEParlaAlThreadGraficoPerCodaDiChiamate) {
  QThread* grafico = QThread::currentThread();
  QObject contesto;
  QThread* threadLavoro = nullptr;
  QThread* threadChiamata = nullptr;
  QThread* threadFine = nullptr;
  int risposta = 0;
  bool finito = false;
  AvviaLavoro(
      &contesto,
      [&] {
        threadLavoro = QThread::currentThread();
        risposta = SulThreadGrafico([&] {
          threadChiamata = QThread::currentThread();
          return 42;
        });
      },
      [&] {
        threadFine = QThread::currentThread();
        finito = true;
      });
  ASSERT_TRUE(AttendiFinche([&] { return finito; }));
  EXPECT_NE(threadLavoro, grafico);
  EXPECT_EQ(threadChiamata, grafico);
  EXPECT_EQ(threadFine, grafico);
  EXPECT_EQ(risposta, 42);
  EXPECT_EQ(SulThreadGrafico([] { return 7; }), 7);
}
