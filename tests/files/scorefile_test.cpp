#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

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
#include "tests/support/as_player.h"
#include "tests/support/fifo_guard.h"

namespace quavix {
namespace {

namespace fs = std::filesystem;
using Scores = std::array<int16_t, kScoreSlotCount>;

// The skipped first window, then the three the reader takes; the last is cut to lastWidth.
std::string windows(std::string a, std::string b, std::string c, size_t lastWidth = 10) {
  a.resize(14, ' ');
  b.resize(14, ' ');
  c.resize(lastWidth, ' ');
  return std::string(15, ' ') + a + b + c;
}

// What `run` printed on stderr is one line that names `path`.
testing::AssertionResult oneLineNaming(const fs::path& path, const std::function<void()>& run) {
  testing::internal::CaptureStderr();
  run();
  const std::string err = testing::internal::GetCapturedStderr();
  if (std::count(err.begin(), err.end(), '\n') == 1 && err.find(path.string()) != err.npos) {
    return testing::AssertionSuccess();
  }
  return testing::AssertionFailure() << "stderr: " << err;
}

struct LoadCase {
  std::optional<std::string> file;  // empty: neither the file nor its folder exists
  Scores scores;
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
        LoadCase{std::nullopt, {}, true}, LoadCase{"", {}, true},
        LoadCase{windows("120", "0", "35"), {120, 0, 35, 0}, false},
        LoadCase{windows("120", "7", "35", 9), {120, 7, 0, 0}, true},
        LoadCase{windows("abcdefghijklmn", "7", "35"), {0, 7, 35, 0}, false},
        // Longer than the record that replaces it.
        LoadCase{windows("9", "40000", "35") + "\r\n" + std::string(99, '7'), {9, 0, 0, 0}, true},
        LoadCase{formatScoreRecord({-32768, 500, 600, 7}), {0, 500, 600, 0}, false},
        LoadCase{std::string(20, '\0') + std::string(99, '\xff'), {}, false}));

// Read, such a path would wait for a writer for good; saved, the device or FIFO would be
// replaced (a link to /dev/zero once replaced the system's own). A link to a regular file is
// written through and stays a link. Device nodes need root.
TEST_F(ScoreFileTest, LinksAreFollowedOnlyToARegularFileAndFifosOrDevicesAreLeftAlone) {
  const fs::path fifo = dir_ / "fifo", device = dir_ / "null", real = dir_ / "real.txt";
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
      EXPECT_TRUE(oneLineNaming(path, [&] {
        EXPECT_TRUE(
            test::returnsWithoutAWriter(target, [&] { ScoreFile(path).loadScores(state); }));
      }));
      state.scores = {1, 2, 3, 4};
      EXPECT_TRUE(oneLineNaming(path, [&] { EXPECT_FALSE(ScoreFile(path).saveScores(state)); }));
      EXPECT_EQ(fs::status(target).type(),
                target == fifo ? fs::file_type::fifo : fs::file_type::character);
      EXPECT_EQ(fs::is_symlink(file_), linked);
    }
  }
  fs::remove(file_);
  writeBytes(real, formatScoreRecord({1, 2, 3, 4}));
  fs::create_symlink(real, file_);
  GameState state;
  state.scores = {5, 6, 7, 8};
  EXPECT_TRUE(ScoreFile(file_).saveScores(state));
  EXPECT_TRUE(fs::is_symlink(file_));
  EXPECT_EQ(readBytes(real), formatScoreRecord({5, 6, 7, 8}));
}

// An unreadable file is replaced by a fresh one without a word; a writable file in a folder
// closed to the player is written in place.
TEST(ScoreFileAsPlayer, ClosedFileIsReplacedAndAClosedFolderWrittenInPlace) {
  EXPECT_TRUE(test::asPlayer([](const fs::path& folder) {
    const fs::path file = folder / "scores.txt";
    writeBytes(file, formatScoreRecord({120, 0, 35, 0}));
    fs::permissions(file, fs::perms::none);
    GameState state;
    ScoreFile scores(file);
    testing::internal::CaptureStderr();
    scores.loadScores(state);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(readBytes(file), formatScoreRecord({}));
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    state.scores = {9, 8, 7, 6};
    EXPECT_TRUE(scores.saveScores(state));
    EXPECT_EQ(readBytes(file), formatScoreRecord({9, 8, 7, 6}));
  }));
}

TEST_F(ScoreFileTest, UnwritablePlaceGivesFalseAndOneLineOnStderr) {
  writeBytes(dir_ / "plain", "a file where a folder should be");
  fs::create_directories(file_);
  for (const fs::path& path : {dir_ / "plain" / "scores.txt", fs::path("/proc/self/x"), file_}) {
    EXPECT_TRUE(oneLineNaming(path, [&] { EXPECT_FALSE(ScoreFile(path).saveScores({})); }));
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
struct ScopedEnv {
  ScopedEnv(const char* name, const char* value) : name(name) {
    if (const char* was = std::getenv(name)) old = was;
    value ? ::setenv(name, value, 1) : ::unsetenv(name);
  }
  ~ScopedEnv() { old ? ::setenv(name, old->c_str(), 1) : ::unsetenv(name); }
  const char* name;
  std::optional<std::string> old;
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
    const ScopedEnv xdgDataHome("XDG_DATA_HOME", xdg), homeFolder("HOME", home);
    EXPECT_EQ(defaultScoreFilePath(), expected)
        << (xdg ? xdg : "unset") << ", " << (home ? home : "unset");
  }
}

}  // namespace
}  // namespace quavix
