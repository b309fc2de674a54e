#include "platform/files/score_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <optional>

#include "core/score_line_format.h"
#include "tests/files/file_bytes.h"

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
        LoadCase{formatScoreRecord({32767, 1, 32767, 32767}), {32767, 1, 32767, 0}, false}));

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

}  // namespace
}  // namespace quavix
