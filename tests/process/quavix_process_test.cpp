// The shut-down by signal (logout, Ctrl-C, kill), on the built program run headless as a real
// process.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QProcess>
#include <QTemporaryDir>
#include <csignal>

#include "core/score_line_format.h"
#include "tests/files/file_bytes.h"

namespace quavix {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// True once SIGTERM, SIGINT and SIGHUP are caught, so that sending one no longer kills it.
bool catchesShutdownSignals(qint64 pid) {
  const std::string status = readBytes("/proc/" + std::to_string(pid) + "/status");
  const size_t at = status.find("SigCgt:");
  const auto caught = at == std::string::npos ? 0 : std::stoull(status.substr(at + 7), nullptr, 16);
  return (caught >> (SIGTERM - 1) & caught >> (SIGINT - 1) & caught >> (SIGHUP - 1) & 1) != 0;
}

// A signal ends it the way closing the window does: status 0, and the scores saved (the test
// slot comes back as 0 only then). The 30 s limits only keep a broken program from hanging the
// suite.
TEST(QuavixProcess, CatchesEachShutdownSignalThenSavesTheScoresAndExitsCleanly) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  // A runner under nohup passes them on ignored, and the program keeps them that way.
  for (int sig : kSignals) signal(sig, SIG_DFL);
  const QTemporaryDir dataHome;
  const std::filesystem::path file = dataHome.path().toStdString() + "/quavix/scores.txt";
  writeBytes(file, formatScoreRecord({120, 7, 35, 55}));
  setenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit().constData(), 1);
  QProcess quavix;
  quavix.start(QUAVIX_EXECUTABLE, {});
  ASSERT_TRUE(quavix.waitForStarted());
  for (int i = 0; i < 1500 && !catchesShutdownSignals(quavix.processId()); ++i) usleep(20'000);
  ASSERT_TRUE(catchesShutdownSignals(quavix.processId()));
  kill(quavix.processId(), SIGHUP);
  EXPECT_TRUE(quavix.waitForFinished(30000) && quavix.exitStatus() == QProcess::NormalExit &&
              quavix.exitCode() == 0)
      << quavix.exitStatus() << " " << quavix.exitCode();
  EXPECT_EQ(readBytes(file), formatScoreRecord({120, 7, 35, 0}));
}

}  // namespace quavix
