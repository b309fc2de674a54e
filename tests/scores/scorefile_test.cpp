#include "game/scorefile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace quavix {
namespace {

namespace fs = std::filesystem;

const std::string kZerosLine = "               0             0             0             0 \r\n";

std::string readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

GameState withScores(std::array<int16_t, kScoreSlotCount> scores) {
  GameState state;
  state.scores = scores;
  return state;
}

int lineCount(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

class ScoreFileTest : public testing::Test {
 protected:
  fs::path dir() const { return fs::path(folder_.path().toStdString()); }
  fs::path file() const { return dir() / "scores.txt"; }

  // Loads into a fresh state, as at start-up.
  GameState loadFrom(const fs::path& path) {
    GameState state;
    ScoreFile(path).loadScores(state);
    return state;
  }

  QTemporaryDir folder_;
};

TEST_F(ScoreFileTest, SavedScoresComeBackWithTheTestSlotAtZero) {
  ASSERT_TRUE(ScoreFile(file()).saveScores(withScores({120, 0, 35, 10})));
  EXPECT_EQ(readBytes(file()), "               120           0             35            10 \r\n");
  EXPECT_EQ(loadFrom(file()).scores, (std::array<int16_t, 4>{120, 0, 35, 0}));
}

TEST_F(ScoreFileTest, SaveReplacesALongerOldFile) {
  writeBytes(file(), std::string(500, '9'));
  ASSERT_TRUE(ScoreFile(file()).saveScores(GameState{}));
  EXPECT_EQ(readBytes(file()), kZerosLine);
}

TEST_F(ScoreFileTest, MissingFileIsCreatedWithFourZeros) {
  EXPECT_EQ(loadFrom(file()).scores, (std::array<int16_t, 4>{}));
  EXPECT_EQ(readBytes(file()), kZerosLine);
}

TEST_F(ScoreFileTest, MissingFoldersAreCreated) {
  const fs::path nested = dir() / "a" / "b" / "scores.txt";
  loadFrom(nested);
  EXPECT_EQ(readBytes(nested), kZerosLine);
}

TEST_F(ScoreFileTest, FiftyThreeCharactersRestoreAllSlotsWithoutRewrite) {
  const std::string text = std::string(15, ' ') + "120           0             35        ";
  ASSERT_EQ(text.size(), 53u);
  writeBytes(file(), text);
  EXPECT_EQ(loadFrom(file()).scores, (std::array<int16_t, 4>{120, 0, 35, 0}));
  EXPECT_EQ(readBytes(file()), text);
}

TEST_F(ScoreFileTest, FiftyTwoCharactersRestoreTwoSlotsAndRewrite) {
  const std::string text = std::string(15, ' ') + "120           7             35       ";
  ASSERT_EQ(text.size(), 52u);
  writeBytes(file(), text);
  EXPECT_EQ(loadFrom(file()).scores, (std::array<int16_t, 4>{120, 7, 0, 0}));
  EXPECT_EQ(readBytes(file()), "               120           7             0             0 \r\n");
}

TEST_F(ScoreFileTest, HalvesGoToEven) {
  writeBytes(file(), std::string(15, ' ') + "12.5          13.5          2.5       \r\n");
  EXPECT_EQ(loadFrom(file()).scores, (std::array<int16_t, 4>{12, 14, 2, 0}));
}

TEST_F(ScoreFileTest, OutOfRangeLeavesThatSlotAndLaterOnesZeroAndRewrites) {
  writeBytes(file(), std::string(15, ' ') + "9             40000         35        \r\n");
  EXPECT_EQ(loadFrom(file()).scores, (std::array<int16_t, 4>{9, 0, 0, 0}));
  EXPECT_EQ(readBytes(file()), "               9             0             0             0 \r\n");
}

TEST_F(ScoreFileTest, OutOfRangeInTheFirstSlotLeavesAllZero) {
  writeBytes(file(), std::string(15, ' ') + "40000         7             35        \r\n");
  EXPECT_EQ(loadFrom(file()).scores, (std::array<int16_t, 4>{}));
  EXPECT_EQ(readBytes(file()), kZerosLine);
}

TEST_F(ScoreFileTest, LettersGiveZeroWithoutRewrite) {
  const std::string text = std::string(15, ' ') + "abcdefghijklmn7             35        \r\n";
  writeBytes(file(), text);
  EXPECT_EQ(loadFrom(file()).scores, (std::array<int16_t, 4>{0, 7, 35, 0}));
  EXPECT_EQ(readBytes(file()), text);
}

TEST_F(ScoreFileTest, ExponentSignAndTabForms) {
  writeBytes(file(), std::string(15, ' ') + "1.5E2         +7\t\t\t\t\t\t\t\t\t\t\t\t4\t2        ");
  EXPECT_EQ(loadFrom(file()).scores, (std::array<int16_t, 4>{150, 7, 42, 0}));
}

TEST_F(ScoreFileTest, EmptyFileIsRewrittenWithZeros) {
  writeBytes(file(), "");
  EXPECT_EQ(loadFrom(file()).scores, (std::array<int16_t, 4>{}));
  EXPECT_EQ(readBytes(file()), kZerosLine);
}

TEST_F(ScoreFileTest, BinaryFileGivesZerosAndIsLeftAlone) {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  writeBytes(file(), bytes);
  EXPECT_EQ(loadFrom(file()).scores, (std::array<int16_t, 4>{}));
  EXPECT_EQ(readBytes(file()), bytes);
}

TEST_F(ScoreFileTest, FolderThatCannotBeCreatedGivesFalseAndOneLine) {
  writeBytes(dir() / "plain", "not a folder");
  const fs::path path = dir() / "plain" / "scores.txt";
  testing::internal::CaptureStderr();
  const bool saved = ScoreFile(path).saveScores(withScores({1, 2, 3, 4}));
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_FALSE(saved);
  EXPECT_EQ(lineCount(err), 1) << err;
  EXPECT_NE(err.find(path.string()), std::string::npos) << err;
}

// Even root can't create files here.
const fs::path kRefusingFolder = "/proc/self";

TEST_F(ScoreFileTest, FolderThatRefusesFilesGivesFalseAndOneLine) {
  testing::internal::CaptureStderr();
  const bool saved = ScoreFile(kRefusingFolder / "scores.txt").saveScores(GameState{});
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_FALSE(saved);
  EXPECT_EQ(lineCount(err), 1) << err;
}

TEST_F(ScoreFileTest, LoadFromAnUnwritablePlaceKeepsGoing) {
  testing::internal::CaptureStderr();
  const GameState state = loadFrom(kRefusingFolder / "scores.txt");
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(state.scores, (std::array<int16_t, 4>{}));
  EXPECT_EQ(lineCount(err), 1) << err;
}

TEST_F(ScoreFileTest, FileThatIsAFolderGivesFalse) {
  fs::create_directory(file());
  testing::internal::CaptureStderr();
  const bool saved = ScoreFile(file()).saveScores(GameState{});
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_FALSE(saved);
  EXPECT_EQ(lineCount(err), 1) << err;
  EXPECT_TRUE(fs::is_directory(file()));
}

// Makes every write past a few bytes fail the way a full disk does, for as long as it lives.
class FileSizeCap {
 public:
  explicit FileSizeCap(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit capped = old_;
    capped.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &capped);
  }
  ~FileSizeCap() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = nullptr;
};

TEST_F(ScoreFileTest, WriteThatCannotCompleteKeepsTheOldFile) {
  const std::string old = "               120           0             35            10 \r\n";
  writeBytes(file(), old);
  testing::internal::CaptureStderr();
  bool saved = true;
  {
    FileSizeCap cap(10);
    saved = ScoreFile(file()).saveScores(withScores({30000, 30000, 30000, 30000}));
  }
  // The cap cuts the captured message short too, so only the outcome is checked here.
  testing::internal::GetCapturedStderr();
  EXPECT_FALSE(saved);
  EXPECT_EQ(readBytes(file()), old);
  // No half-written file is left beside it.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir()), fs::directory_iterator()), 1);
}

TEST(DefaultScoreFilePathTest, LiesInTheQuavixFolderOfTheDataHome) {
  QTemporaryDir home;
  const QByteArray previous = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
  const fs::path path = defaultScoreFilePath();
  if (previous.isNull()) {
    qunsetenv("XDG_DATA_HOME");
  } else {
    qputenv("XDG_DATA_HOME", previous);
  }
  EXPECT_EQ(path, fs::path(home.path().toStdString()) / "quavix" / "scores.txt");
}

}  // namespace
}  // namespace quavix
