#include "ui/shutdown_signals.h"

#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <thread>

using quavix::ShutdownSignals;

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

sighandler_t currentHandler(int sig) {
  struct sigaction current {};
  sigaction(sig, nullptr, &current);
  return current.sa_handler;
}

// Any of them, the served one too, would end this test process by its default action.
void raiseAll() {
  for (int sig : kSignals) raise(sig);
  QCoreApplication::processEvents();
}

class ShutdownSignalsTest : public QObject {
  Q_OBJECT

 private slots:
  // Each case begins as a program does, with the default actions.
  void init() {
    for (int sig : kSignals) signal(sig, SIG_DFL);
  }

  void emitsOnceThenIgnoresTheRest_data() {
    QTest::addColumn<int>("sig");
    for (int sig : kSignals) QTest::newRow(sigabbrev_np(sig)) << sig;
  }

  void emitsOnceThenIgnoresTheRest() {
    QFETCH(int, sig);
    auto shutdown = std::make_unique<ShutdownSignals>();
    QSignalSpy spy(shutdown.get(), &ShutdownSignals::shutdownRequested);
    // The handler runs on the raising thread; the signal must wait for this thread's event loop.
    std::thread([sig] { raise(sig); }).join();
    QCOMPARE(spy.count(), 0);
    // Caught once, so that a second one ends a program whose event loop is stuck.
    QVERIFY(currentHandler(sig) == SIG_DFL);
    QVERIFY(spy.wait(10000));
    // Served: shut-down has begun, and no signal may cut it short, even after the object.
    raiseAll();
    QCOMPARE(spy.count(), 1);
    shutdown.reset();
    raiseAll();
  }

  void closedWindowIgnoresThemToTheEnd() {
    auto shutdown = std::make_unique<ShutdownSignals>();
    QSignalSpy spy(shutdown.get(), &ShutdownSignals::shutdownRequested);
    shutdown->ignoreFromNowOn();
    raiseAll();
    shutdown.reset();
    raiseAll();
    QCOMPARE(spy.count(), 0);
  }
};

QTEST_MAIN(ShutdownSignalsTest)
#include "shutdown_signals_test.moc"
