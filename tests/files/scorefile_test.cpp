#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QTemporaryDir>
#include <csignal>
#include <optional>
#include <tuple>

#include "core/score_line_format.h"
#include "platform/files/score_file.h"
#include "tests/files/file_bytes.h"

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

struct ScoreFileTest : testing::Test {
  QTemporaryDir folder;
  fs::path dir = folder.path().toStdString();
  fs::path file = dir / "quavix" / "scores.txt";
};

TEST_F(ScoreFileTest, LoadRestoresSlotsAndRewritesOnlyAnIncompleteRecord) {
  const std::tuple<std::optional<std::string>, Scores, bool> cases[] = {
      {std::nullopt, {}, true},  // neither the file nor its folder exists
      {windows("120", "0", "35"), {120, 0, 35, 0}, false},
      {windows("120", "7", "35", 9), {120, 7, 0, 0}, true},
      {windows("abcdefghijklmn", "7", "35"), {0, 7, 35, 0}, false},
      // Longer than the record that replaces it.
      {windows("9", "40000", "35") + "\r\n" + std::string(99, '7'), {9, 0, 0, 0}, true},
      {formatScoreRecord({-32768, 500, 600, 7}), {0, 500, 600, 0}, false},
      {std::string(20, '\0') + std::string(99, '\xff'), {}, false}};
  for (const auto& [bytes, scores, rewritten] : cases) {
    fs::remove_all(file.parent_path());
    if (bytes) writeBytes(file, *bytes);
    GameState state;
    ScoreFile(file).loadScores(state);
    EXPECT_EQ(state.scores, scores) << testing::PrintToString(bytes);
    EXPECT_EQ(readBytes(file), rewritten ? formatScoreRecord(scores) : *bytes);
  }
}

// A place that can't be written gives false and one line; a write cut short the way a full disk
// cuts it leaves the old file whole, with no temporary file beside it.
TEST_F(ScoreFileTest, AFailedWriteSaysSoAndKeepsTheOldFile) {
  const std::string old = formatScoreRecord({120, 0, 35, 10});
  writeBytes(file, old);
  writeBytes(dir / "plain", "a file where a folder should be");
  for (const fs::path& path : {dir / "plain" / "scores.txt", fs::path("/proc/self/x")}) {
    EXPECT_TRUE(oneLineNaming(path, [&] { EXPECT_FALSE(ScoreFile(path).saveScores({})); }));
  }
  rlimit normal{};
  getrlimit(RLIMIT_FSIZE, &normal);
  const rlimit capped{10, normal.rlim_max};
  const auto handler = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &capped);
  const bool saved = ScoreFile(file).saveScores({});  // stderr can't be captured under the cap
  setrlimit(RLIMIT_FSIZE, &normal);
  std::signal(SIGXFSZ, handler);
  EXPECT_FALSE(saved);
  EXPECT_EQ(readBytes(file), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), {}), 1) << "temp file left";
}

}  // namespace
}  // namespace quavix
