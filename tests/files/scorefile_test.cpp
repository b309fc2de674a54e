#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <optional>
#include <tuple>

#include "core/score_line_format.h"
#include "platform/files/score_file.h"
#include "tests/files/file_bytes.h"
#include "tests/support/fifo_guard.h"

namespace quavix {
namespace {

namespace fs = std::filesystem;

// The skipped first window, then the three the reader takes; the last is cut to lastWidth.
std::string windows(std::string a, std::string b, std::string c, size_t lastWidth = 10) {
  a.resize(14, ' ');
  b.resize(14, ' ');
  c.resize(lastWidth, ' ');
  return std::string(15, ' ') + a + b + c;
}

struct LoadCase {
  std::optional<std::string> file;  // empty: neither the file nor its folder exists
  std::array<int16_t, kScoreSlotCount> scores;
  bool rewritten;
};

void PrintTo(const LoadCase& c, std::ostream* os) { *os << testing::PrintToString(c.file); }

class ScoreFileTest : public testing::TestWithParam<LoadCase> {
 protected:
  QTemporaryDir folder_;
  fs::path dir_ = folder_.path().toStdString();
  fs::path file_ = dir_ / "quavix" / "scores.txt";
};

TEST_P(ScoreFileTest, LoadRestoresSlotsAndRewritesOnlyAnIncompleteRecord) {
  const LoadCase& c = GetParam();
  if (c.file) writeBytes(file_, *c.file);
  GameState state;
  ScoreFile(file_).loadScores(state);
  EXPECT_EQ(state.scores, c.scores);
  EXPECT_EQ(readBytes(file_), c.rewritten ? formatScoreRecord(c.scores) : *c.file);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ScoreFileTest,
    testing::Values(
        LoadCase{std::nullopt, {}, true},
        LoadCase{windows("120", "0", "35"), {120, 0, 35, 0}, false},
        LoadCase{windows("120", "7", "35", 9), {120, 7, 0, 0}, true},
        // Longer than the record that replaces it.
        LoadCase{windows("9", "40000", "35") + "\r\n" + std::string(99, '7'), {9, 0, 0, 0}, true},
        LoadCase{windows("abcdefghijklmn", "7", "35"), {0, 7, 35, 0}, false},
        LoadCase{"", {}, true},
        LoadCase{std::string(20, '\0') + std::string(99, '\xff'), {}, false},
        LoadCase{formatScoreRecord({32767, 1, 32767, 32767}), {32767, 1, 32767, 0}, false},
        LoadCase{formatScoreRecord({-32768, 500, 600, 7}), {0, 500, 600, 0}, false}));

TEST_F(ScoreFileTest, NegativeSlotLeavesTheOthersThroughTwoRuns) {
  writeBytes(file_, formatScoreRecord({-32768, 500, 600, 0}));
  for (int run = 1; run <= 2; ++run) {
    GameState state;
    ScoreFile scores(file_);
    scores.loadScores(state);
    EXPECT_EQ(state.scores, (std::array<int16_t, kScoreSlotCount>{0, 500, 600, 0})) << run;
    EXPECT_TRUE(scores.saveScores(state));
  }
}

// Read, such a path would wait for a writer for good; saved, the device or FIFO would be
// replaced (a link to /dev/zero once replaced the system's own). Device nodes need root.
TEST_F(ScoreFileTest, PathToAFifoOrDeviceIsNeitherReadNorReplaced) {
  const fs::path fifo = dir_ / "fifo", device = dir_ / "null";
  test::makeFifo(fifo);
  std::vector<fs::path> targets = {fifo};
  if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) targets.push_back(device);
  fs::create_directories(file_.parent_path());
  for (const fs::path& target : targets) {
    for (const bool linked : {false, true}) {
      const fs::path path = linked ? file_ : target;
      SCOPED_TRACE(path.string() + (linked ? " -> " + target.string() : ""));
      fs::remove(file_);
      if (linked) fs::create_symlink(target, file_);
      GameState state;
      testing::internal::CaptureStderr();
      EXPECT_TRUE(test::returnsWithoutAWriter(target, [&] { ScoreFile(path).loadScores(state); }));
      const std::string err = testing::internal::GetCapturedStderr();
      EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
      EXPECT_NE(err.find(path.string()), std::string::npos) << err;
      state.scores = {1, 2, 3, 4};
      testing::internal::CaptureStderr();
      EXPECT_FALSE(ScoreFile(path).saveScores(state));
      testing::internal::GetCapturedStderr();
      const auto type = fs::status(target).type();
      EXPECT_EQ(type, target == fifo ? fs::file_type::fifo : fs::file_type::character);
      EXPECT_EQ(fs::is_symlink(file_), linked);
    }
  }
}

TEST_F(ScoreFileTest, LinkToARegularFileStaysALink) {
  const fs::path real = dir_ / "real.txt";
  writeBytes(real, formatScoreRecord({1, 2, 3, 4}));
  fs::create_directories(file_.parent_path());
  fs::create_symlink(real, file_);
  GameState state;
  state.scores = {5, 6, 7, 8};
  EXPECT_TRUE(ScoreFile(file_).saveScores(state));
  EXPECT_TRUE(fs::is_symlink(file_));
  EXPECT_EQ(readBytes(real), formatScoreRecord({5, 6, 7, 8}));
}

// Runs `body` in a fresh folder of its own as a player without root's rights: as nobody, in a
// child process, when the tests run as root, for whom no file is unreadable or unwritable.
testing::AssertionResult asPlayer(const std::function<void(const fs::path& folder)>& body) {
  const auto inFolder = [&body] {
    std::string folder = fs::temp_directory_path() / "quavix-player-XXXXXX";
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    body(folder);
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(folder);
  };
  if (::geteuid() != 0) {
    inFolder();
    return testing::AssertionSuccess();
  }
  const passwd* nobody = ::getpwnam("nobody");
  if (nobody == nullptr) return testing::AssertionFailure() << "no user nobody to run as";
  const uid_t uid = nobody->pw_uid;
  const gid_t gid = nobody->pw_gid;
  std::fflush(nullptr);
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0) ::_exit(2);
    inFolder();
    std::fflush(nullptr);
    ::_exit(testing::Test::HasFailure() ? 1 : 0);
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child) {
    return testing::AssertionFailure() << "no child process";
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "as nobody: wait status " << status;
}

TEST(ScoreFileAsPlayer, UnreadableFileIsReplacedByAFreshOne) {
  EXPECT_TRUE(asPlayer([](const fs::path& folder) {
    const fs::path file = folder / "scores.txt";
    writeBytes(file, formatScoreRecord({120, 0, 35, 0}));
    fs::permissions(file, fs::perms::none);
    GameState state;
    ScoreFile scores(file);
    testing::internal::CaptureStderr();
    scores.loadScores(state);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(readBytes(file), formatScoreRecord({}));
    state.scores = {9, 8, 7, 6};
    EXPECT_TRUE(scores.saveScores(state));
    GameState next;
    scores.loadScores(next);
    EXPECT_EQ(next.scores, (std::array<int16_t, kScoreSlotCount>{9, 8, 7, 0}));
  }));
}

TEST(ScoreFileAsPlayer, WritableFileInAClosedFolderIsWrittenInPlace) {
  EXPECT_TRUE(asPlayer([](const fs::path& folder) {
    const fs::path file = folder / "scores.txt";
    writeBytes(file, formatScoreRecord({120, 0, 35, 0}));
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    GameState state;
    state.scores = {9, 8, 7, 6};
    EXPECT_TRUE(ScoreFile(file).saveScores(state));
    EXPECT_EQ(readBytes(file), formatScoreRecord({9, 8, 7, 6}));
  }));
}

TEST_F(ScoreFileTest, UnwritablePlaceGivesFalseAndOneLineOnStderr) {
  writeBytes(dir_ / "plain", "a file where a folder should be");
  fs::create_directories(file_);
  for (const fs::path& path : {dir_ / "plain" / "scores.txt", fs::path("/proc/self/x"), file_}) {
    testing::internal::CaptureStderr();
    EXPECT_FALSE(ScoreFile(path).saveScores(GameState{})) << path;
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_NE(err.find(path.string()), std::string::npos) << err;
  }
}

TEST_F(ScoreFileTest, WriteCutShortKeepsTheOldFile) {
  const std::string old = formatScoreRecord({120, 0, 35, 10});
  writeBytes(file_, old);
  rlimit normal{};
  getrlimit(RLIMIT_FSIZE, &normal);
  const rlimit capped{10, normal.rlim_max};  // fails the way a full disk does
  const auto handler = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &capped);
  const bool saved = ScoreFile(file_).saveScores(GameState{});
  setrlimit(RLIMIT_FSIZE, &normal);
  std::signal(SIGXFSZ, handler);
  EXPECT_FALSE(saved);
  EXPECT_EQ(readBytes(file_), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(file_.parent_path()), {}), 1) << "temp file left";
}

// Sets an environment variable, or unsets it for nullptr, for the life of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    value ? ::setenv(name, value, 1) : ::unsetenv(name);
  }
  ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// A relative XDG_DATA_HOME is ignored, as the XDG rules say; without HOME the user database
// names the home folder.
TEST(DefaultScoreFilePath, FollowsTheXdgRules) {
  const passwd* me = ::getpwuid(::getuid());
  ASSERT_NE(me, nullptr);
  const fs::path fromDatabase = fs::path(me->pw_dir) / ".local/share/quavix/scores.txt";
  const fs::path fromHome = "/home/player/.local/share/quavix/scores.txt";
  const std::tuple<const char*, const char*, fs::path> cases[] = {
      {"/data", "/home/player", "/data/quavix/scores.txt"},
      {nullptr, "/home/player", fromHome},
      {"", "/home/player", fromHome},
      {"relative/share", "/home/player", fromHome},
      {nullptr, nullptr, fromDatabase},
      {"share", "", fromDatabase},
      {nullptr, "relative/home", fromDatabase},
  };
  for (const auto& [xdg, home, expected] : cases) {
    const ScopedEnv xdgDataHome("XDG_DATA_HOME", xdg);
    const ScopedEnv homeFolder("HOME", home);
    EXPECT_EQ(defaultScoreFilePath(), expected)
        << (xdg ? xdg : "unset") << ", " << (home ? home : "unset");
  }
}

}  // namespace
}  // namespace quavix
