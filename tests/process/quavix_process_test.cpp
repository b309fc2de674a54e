// The shut-down by signal (logout, Ctrl-C, kill): the bridge inside this process, then the built
// program run headless as a real process.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <memory>
#include <thread>

#include "core/score_line_format.h"
#include "tests/files/file_bytes.h"
#include "ui/shutdown_signals.h"

namespace quavix {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

TEST(ShutdownSignals, OneIsServedFromTheEventLoopThenAllAreIgnoredToTheEnd) {
  int argc = 1;
  char* argv[] = {const_cast<char*>("test"), nullptr};
  const QCoreApplication app(argc, argv);
  for (int sig : kSignals) {
    SCOPED_TRACE(sigabbrev_np(sig));
    // Each begins as a program does, with the default actions.
    for (int each : kSignals) signal(each, SIG_DFL);
    auto shutdown = std::make_unique<ShutdownSignals>();
    int emitted = 0;
    QObject::connect(shutdown.get(), &ShutdownSignals::shutdownRequested, [&] { ++emitted; });
    // The handler runs on the raising thread; the signal must wait for this thread's loop.
    std::thread([sig] { raise(sig); }).join();
    EXPECT_EQ(emitted, 0);
    // Caught once, so that a second one ends a program whose event loop is stuck.
    struct sigaction current {};
    sigaction(sig, nullptr, &current);
    EXPECT_EQ(current.sa_handler, SIG_DFL);
    QCoreApplication::processEvents();
    ASSERT_EQ(emitted, 1);  // else the raising below ends this process
    // Shut-down has begun: no signal may cut it short, even after the object. Any of them
    // would end this test process by its default action.
    shutdown.reset();
    for (int each : kSignals) raise(each);
  }
}

// True once SIGTERM, SIGINT and SIGHUP are caught, so that sending one no longer kills it.
bool catchesShutdownSignals(qint64 pid) {
  const std::string status = readBytes("/proc/" + std::to_string(pid) + "/status");
  const size_t at = status.find("SigCgt:");
  const auto caught = at == std::string::npos ? 0 : std::stoull(status.substr(at + 7), nullptr, 16);
  return (caught >> (SIGTERM - 1) & caught >> (SIGINT - 1) & caught >> (SIGHUP - 1) & 1) != 0;
}

// Each ends it the way closing the window does: status 0, and the scores saved (the test slot
// comes back as 0 only then). The 30 s limits only keep a broken program from hanging the suite.
TEST(QuavixProcess, SavesTheScoresAndExitsCleanlyOnEachShutdownSignal) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  // A runner under nohup, or the test before, passes them on ignored, and the program keeps
  // them that way.
  for (int sig : kSignals) signal(sig, SIG_DFL);
  for (int sig : kSignals) {
    SCOPED_TRACE(sigabbrev_np(sig));
    const QTemporaryDir dataHome;
    const std::filesystem::path file = dataHome.path().toStdString() + "/quavix/scores.txt";
    writeBytes(file, formatScoreRecord({120, 7, 35, 55}));
    setenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit().constData(), 1);
    QProcess quavix;
    quavix.start(QUAVIX_EXECUTABLE, {});
    ASSERT_TRUE(quavix.waitForStarted());
    for (int i = 0; i < 1500 && !catchesShutdownSignals(quavix.processId()); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(quavix.processId(), sig);
    EXPECT_TRUE(quavix.waitForFinished(30000) && quavix.exitStatus() == QProcess::NormalExit &&
                quavix.exitCode() == 0)
        << quavix.exitStatus() << " " << quavix.exitCode();
    EXPECT_EQ(readBytes(file), formatScoreRecord({120, 7, 35, 0}));
  }
}

}  // namespace quavix
