// Runs the built program headless and checks what it leaves in the score file.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <thread>

#include "core/score_line_format.h"
#include "tests/files/file_bytes.h"

extern char** environ;

namespace quavix {
namespace {

// The limit only keeps a broken program from hanging the suite.
template <typename Done>
bool within30s(Done done) {
  int tries = 0;
  while (!done() && ++tries < 1500) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  return tries < 1500;
}

// True once SIGTERM, SIGINT and SIGHUP are caught, so that sending one no longer kills it.
bool catchesShutdownSignals(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line) && !line.starts_with("SigCgt:")) {
  }
  const auto caught = line.empty() ? 0 : std::stoull(line.substr(7), nullptr, 16);
  return (caught >> (SIGTERM - 1) & caught >> (SIGINT - 1) & caught >> (SIGHUP - 1) & 1) != 0;
}

struct Session {
  std::string file;  // before start-up; "" for none
  std::string atStartUp;
  int signal;
  std::string atEnd;
};

void PrintTo(const Session& s, std::ostream* os) { *os << sigabbrev_np(s.signal); }

class QuavixProcessTest : public testing::TestWithParam<Session> {
 protected:
  ~QuavixProcessTest() override {
    if (pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == 0) kill(pid_, SIGKILL);
  }

  QTemporaryDir dataHome_;
  pid_t pid_ = 0;
};

TEST_P(QuavixProcessTest, SavesAtStartUpAndOnEachShutdownSignal) {
  const Session& run = GetParam();
  const std::filesystem::path file = dataHome_.path().toStdString() + "/quavix/scores.txt";
  if (!run.file.empty()) writeBytes(file, run.file);
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  setenv("XDG_DATA_HOME", dataHome_.path().toLocal8Bit().constData(), 1);
  // A runner under nohup passes SIGHUP on ignored, and the program keeps it that way.
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) signal(sig, SIG_DFL);
  char* argv[] = {const_cast<char*>(QUAVIX_EXECUTABLE), nullptr};
  ASSERT_EQ(posix_spawn(&pid_, argv[0], nullptr, nullptr, argv, environ), 0);
  ASSERT_TRUE(within30s([&] { return catchesShutdownSignals(pid_); }));
  ASSERT_TRUE(within30s([&] { return readBytes(file) == run.atStartUp; })) << readBytes(file);
  kill(pid_, run.signal);
  int status = 0;
  ASSERT_TRUE(within30s([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }));
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "wait status " << status;
  EXPECT_EQ(readBytes(file), run.atEnd);
}

// The test slot comes back as 0 only when the scores are saved again at the end.
const std::string kStored = formatScoreRecord({120, 7, 35, 55});
const std::string kSaved = formatScoreRecord({120, 7, 35, 0});
const std::string kZeros = formatScoreRecord({0, 0, 0, 0});
const std::string kRepaired = formatScoreRecord({9, 0, 0, 0});

INSTANTIATE_TEST_SUITE_P(
    Runs, QuavixProcessTest,
    testing::Values(Session{kStored, kStored, SIGTERM, kSaved},
                    Session{kStored, kStored, SIGINT, kSaved},
                    Session{kStored, kStored, SIGHUP, kSaved}, Session{"", kZeros, SIGTERM, kZeros},
                    Session{std::string(15, ' ') + "9             40000         35", kRepaired,
                            SIGINT, kRepaired}));

}  // namespace
}  // namespace quavix
