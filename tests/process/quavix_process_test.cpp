// Runs the built program as a real process, without a display or a sound device, and checks what
// it leaves in the score file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "game/score_record.h"

extern char** environ;

namespace quavix {
namespace {

namespace fs = std::filesystem;

// Generous: these only keep a broken program from hanging the suite.
constexpr auto kStartUpLimit = std::chrono::seconds(30);
constexpr auto kShutDownLimit = std::chrono::seconds(30);
constexpr auto kPollStep = std::chrono::milliseconds(20);

std::string readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

template <typename Done>
bool pollUntil(std::chrono::steady_clock::duration limit, Done done) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(kPollStep);
  }
  return true;
}

// The program, started with its data home in dataHome and stderr kept in a file.
class QuavixProcess {
 public:
  QuavixProcess(const fs::path& dataHome, const fs::path& workDir) : stderrPath_(workDir / "err") {
    std::vector<std::string> env;
    for (char** entry = environ; *entry != nullptr; ++entry) {
      const std::string_view text(*entry);
      if (!text.starts_with("QT_QPA_PLATFORM=") && !text.starts_with("SDL_AUDIODRIVER=") &&
          !text.starts_with("XDG_DATA_HOME=")) {
        env.emplace_back(text);
      }
    }
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back("SDL_AUDIODRIVER=dummy");
    env.push_back("XDG_DATA_HOME=" + dataHome.string());
    std::vector<char*> envp;
    for (std::string& entry : env) envp.push_back(entry.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addchdir_np(&files, workDir.c_str());
    posix_spawn_file_actions_addopen(&files, STDERR_FILENO, stderrPath_.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    // Whatever the test runner ignores or blocks, the program starts with the defaults.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t all, none;
    sigfillset(&all);
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    char* argv[] = {const_cast<char*>(QUAVIX_EXECUTABLE), nullptr};
    if (posix_spawn(&pid_, QUAVIX_EXECUTABLE, &files, &attributes, argv, envp.data()) != 0) {
      pid_ = -1;
    }
    posix_spawn_file_actions_destroy(&files);
    posix_spawnattr_destroy(&attributes);
  }

  ~QuavixProcess() {
    if (running()) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }

  bool started() const { return pid_ > 0; }

  // True once SIGTERM, SIGINT and SIGHUP are all caught, so a signal no longer kills it.
  bool catchesShutdownSignals() const {
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    for (std::string line; std::getline(status, line);) {
      if (!line.starts_with("SigCgt:")) continue;
      const unsigned long long caught = std::stoull(line.substr(7), nullptr, 16);
      const unsigned long long wanted =
          (1ull << (SIGTERM - 1)) | (1ull << (SIGINT - 1)) | (1ull << (SIGHUP - 1));
      return (caught & wanted) == wanted;
    }
    return false;
  }

  bool running() {
    if (pid_ <= 0 || status_) return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) status_ = status;
    return !status_;
  }

  void send(int sig) const { kill(pid_, sig); }

  // The wait status, or nothing when it did not end in time.
  std::optional<int> waitForExit() {
    if (!pollUntil(kShutDownLimit, [&] { return !running(); })) return std::nullopt;
    return status_;
  }

  std::string stderrText() const { return readBytes(stderrPath_); }

 private:
  pid_t pid_ = -1;
  std::optional<int> status_;
  fs::path stderrPath_;
};

class QuavixProcessTest : public testing::Test {
 protected:
  fs::path root() const { return fs::path(folder_.path().toStdString()); }
  fs::path dataHome() const { return root() / "data"; }
  fs::path scoreFile() const { return dataHome() / "quavix" / "scores.txt"; }

  void startAndWaitUntilReady() {
    process_.emplace(dataHome(), root());
    ASSERT_TRUE(process_->started()) << QUAVIX_EXECUTABLE;
    ASSERT_TRUE(pollUntil(
        kStartUpLimit, [&] { return !process_->running() || process_->catchesShutdownSignals(); }));
    ASSERT_TRUE(process_->running()) << process_->stderrText();
  }

  void expectCleanExitAfter(int sig) {
    process_->send(sig);
    const std::optional<int> status = process_->waitForExit();
    ASSERT_TRUE(status) << "still running after signal " << sig;
    EXPECT_TRUE(WIFEXITED(*status))
        << "ended by signal " << (WIFSIGNALED(*status) ? WTERMSIG(*status) : 0) << "\n"
        << process_->stderrText();
    if (WIFEXITED(*status)) {
      EXPECT_EQ(WEXITSTATUS(*status), 0) << process_->stderrText();
    }
  }

  QTemporaryDir folder_;
  std::optional<QuavixProcess> process_;
};

TEST_F(QuavixProcessTest, FirstRunWritesFourZerosAtStartUp) {
  ASSERT_NO_FATAL_FAILURE(startAndWaitUntilReady());
  ASSERT_TRUE(pollUntil(kStartUpLimit, [&] { return fs::exists(scoreFile()); }));
  EXPECT_EQ(readBytes(scoreFile()), formatScoreRecord({0, 0, 0, 0}));
  ASSERT_NO_FATAL_FAILURE(expectCleanExitAfter(SIGTERM));
  EXPECT_EQ(readBytes(scoreFile()), formatScoreRecord({0, 0, 0, 0}));
}

class ShutdownSignalTest : public QuavixProcessTest, public testing::WithParamInterface<int> {};

// The saved test slot proves the file was written again at the end, not merely left alone.
TEST_P(ShutdownSignalTest, SavesTheScoresAndTheTestSlotComesBackAsZero) {
  writeBytes(scoreFile(), formatScoreRecord({120, 7, 35, 55}));
  ASSERT_NO_FATAL_FAILURE(startAndWaitUntilReady());
  ASSERT_NO_FATAL_FAILURE(expectCleanExitAfter(GetParam()));
  EXPECT_EQ(readBytes(scoreFile()), formatScoreRecord({120, 7, 35, 0}));
}

INSTANTIATE_TEST_SUITE_P(Signals, ShutdownSignalTest, testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const testing::TestParamInfo<int>& info) {
                           return std::string(sigabbrev_np(info.param));
                         });

TEST_F(QuavixProcessTest, DamagedFileIsReplacedAtStartUp) {
  writeBytes(scoreFile(), std::string(15, ' ') + "9             40000         35        \r\n");
  ASSERT_NO_FATAL_FAILURE(startAndWaitUntilReady());
  ASSERT_TRUE(pollUntil(kStartUpLimit, [&] {
    return readBytes(scoreFile()) == formatScoreRecord({9, 0, 0, 0});
  }));
  ASSERT_NO_FATAL_FAILURE(expectCleanExitAfter(SIGTERM));
  EXPECT_EQ(readBytes(scoreFile()), formatScoreRecord({9, 0, 0, 0}));
}

TEST_F(QuavixProcessTest, UnwritableDataHomeStillRunsAndEndsCleanly) {
  writeBytes(dataHome(), "a file where the data folder should be");
  ASSERT_NO_FATAL_FAILURE(startAndWaitUntilReady());
  ASSERT_NO_FATAL_FAILURE(expectCleanExitAfter(SIGTERM));
  EXPECT_NE(process_->stderrText().find("scores not saved"), std::string::npos)
      << process_->stderrText();
}

}  // namespace
}  // namespace quavix
