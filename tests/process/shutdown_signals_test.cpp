#include "ui/shutdown_signals.h"

#include <QSignalSpy>
#include <QTest>
#include <thread>

using quavix::ShutdownSignals;

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

class ShutdownSignalsTest : public QObject {
  Q_OBJECT

 private slots:
  void emitsOnceFromTheEventLoop_data() {
    QTest::addColumn<int>("sig");
    for (int sig : kSignals) QTest::newRow(sigabbrev_np(sig)) << sig;
  }

  void emitsOnceFromTheEventLoop() {
    QFETCH(int, sig);
    ShutdownSignals shutdown;
    QSignalSpy spy(&shutdown, &ShutdownSignals::shutdownRequested);
    // The handler runs on the raising thread; the signal must wait for this thread's event loop.
    std::thread([sig] { raise(sig); }).join();
    QCOMPARE(spy.count(), 0);
    QVERIFY(spy.wait(10000));
    // Caught once, so that a second one ends a program whose event loop is stuck.
    QVERIFY(signal(sig, SIG_DFL) == SIG_DFL);
    for (int other : kSignals) {
      if (other != sig) raise(other);
    }
    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), 1);
  }
};

QTEST_MAIN(ShutdownSignalsTest)
#include "shutdown_signals_test.moc"
