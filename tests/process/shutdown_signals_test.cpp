#include "ui/shutdown_signals.h"

#include <QSignalSpy>
#include <QTest>
#include <array>
#include <csignal>

using quavix::ShutdownSignals;

namespace {

// The test framework has handlers of its own for some of these signals.
void* handlerOf(int sig) {
  struct sigaction current {};
  sigaction(sig, nullptr, &current);
  if (current.sa_flags & SA_SIGINFO) return reinterpret_cast<void*>(current.sa_sigaction);
  return reinterpret_cast<void*>(current.sa_handler);
}

bool isDefault(int sig) { return handlerOf(sig) == reinterpret_cast<void*>(SIG_DFL); }

}  // namespace

class ShutdownSignalsTest : public QObject {
  Q_OBJECT

 private slots:
  void eachSignalRequestsShutdown_data() {
    QTest::addColumn<int>("sig");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
  }

  void eachSignalRequestsShutdown() {
    QFETCH(int, sig);
    ShutdownSignals shutdown;
    QSignalSpy spy(&shutdown, &ShutdownSignals::shutdownRequested);
    QVERIFY(!isDefault(sig));
    raise(sig);
    QVERIFY(spy.wait(10000));
    QCOMPARE(spy.count(), 1);
    // Caught once: the next one would take the default way out.
    QVERIFY(isDefault(sig));
  }

  void requestsShutdownOnlyOnce() {
    ShutdownSignals shutdown;
    QSignalSpy spy(&shutdown, &ShutdownSignals::shutdownRequested);
    raise(SIGTERM);
    QVERIFY(spy.wait(10000));
    raise(SIGINT);
    raise(SIGHUP);
    QTest::qWait(100);
    QCOMPARE(spy.count(), 1);
  }

  void nothingIsEmittedBeforeTheEventLoopRuns() {
    ShutdownSignals shutdown;
    QSignalSpy spy(&shutdown, &ShutdownSignals::shutdownRequested);
    raise(SIGTERM);
    QCOMPARE(spy.count(), 0);
    QVERIFY(spy.wait(10000));
  }

  void ignoredSignalStaysIgnored() {
    struct sigaction ignore {
    }, earlier{};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGHUP, &ignore, &earlier);
    void* const termBefore = handlerOf(SIGTERM);
    {
      ShutdownSignals shutdown;
      QVERIFY(handlerOf(SIGHUP) == reinterpret_cast<void*>(SIG_IGN));
      QVERIFY(handlerOf(SIGTERM) != termBefore);
    }
    sigaction(SIGHUP, &earlier, nullptr);
  }

  void destructionRestoresTheEarlierHandlers() {
    const std::array<int, 3> shutdownSignals = {SIGTERM, SIGINT, SIGHUP};
    std::array<void*, 3> before{};
    for (size_t i = 0; i < shutdownSignals.size(); ++i) before[i] = handlerOf(shutdownSignals[i]);
    { ShutdownSignals shutdown; }
    for (size_t i = 0; i < shutdownSignals.size(); ++i)
      QCOMPARE(handlerOf(shutdownSignals[i]), before[i]);
  }
};

QTEST_MAIN(ShutdownSignalsTest)
#include "shutdown_signals_test.moc"
