#include "platform/files/statistics_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <string>

#include "platform/files/statistics_json.h"
#include "tests/files/file_bytes.h"
#include "tests/support/as_player.h"

namespace quavix {
namespace {

using Status = StoredStatistics::Status;

Statistics sample(int games = 2) {
  Statistics s;
  s.notes[0][15] = {12, 8, 3, 1, 9'876, 4'321, {{59, 2}, {62, 1}}};
  s.notes[1][30] = {1, 0, 0, 1, 0, 0, {}};
  s.notes[0][0].instead[34] = 4'000'000'000u;
  for (int i = 0; i < games; ++i) {
    s.games.push_back({i % 2 ? PlayMode::Test : PlayMode::Learning, static_cast<int16_t>(i % 3),
                       -32768, 32767, 1'700'000'000 + i, 180'000});
  }
  return s;
}

struct StatisticsFileTest : ::testing::Test {
  QTemporaryDir dir;
  std::filesystem::path folder = dir.path().toStdString();
  std::filesystem::path path = folder / "quavix" / "stats.json";
  StatisticsFile file{path};
};

TEST_F(StatisticsFileTest, WhatIsSavedComesBackIntoAMissingFolder) {
  EXPECT_EQ(file.loadStatistics().status, Status::Fresh);
  ASSERT_TRUE(file.saveStatistics(sample()));
  const StoredStatistics back = file.loadStatistics();
  EXPECT_EQ(back.status, Status::Loaded);
  EXPECT_EQ(back.statistics, sample());
}

// Empty, truncated or nonsense: set aside whole, under a name no earlier one has, and a fresh
// start. The next save then writes a new file.
TEST_F(StatisticsFileTest, UnreadableFilesAreSetAsideAndStartAfresh) {
  const std::string whole = statisticsToJson(sample()).toStdString();
  const std::string cases[] = {
      "",
      "  \n",
      whole.substr(0, whole.size() / 2),
      "\x89PNG\r\n\x1a\n",
      "[1, 2]",
      R"({"notes": []})",
      R"({"version": 0})",
      R"({"version": 1, "notes": [{"clef": 2, "note": 3}]})",
      R"({"version": 1, "notes": [{"clef": 0, "note": 3, "shown": -1}]})",
      R"({"version": 1, "notes": [{"clef": 0, "note": 3, "right": 1.5}]})",
      R"({"version": 1, "games": [{"mode": "race", "startedAt": "2024-01-01T00:00:00Z"}]})",
      R"({"version": 1, "games": [{"mode": "test", "endScore": 40000,
                                   "startedAt": "2024-01-01T00:00:00Z"}]})",
      R"({"version": 1, "games": [{"mode": "test", "startedAt": "yesterday"}]})",
  };
  int n = 0;
  for (const std::string& bytes : cases) {
    writeBytes(path, bytes);
    const StoredStatistics loaded = file.loadStatistics();
    EXPECT_EQ(loaded.status, Status::Fresh) << bytes;
    EXPECT_EQ(loaded.statistics, Statistics{}) << bytes;
    EXPECT_FALSE(std::filesystem::exists(path)) << bytes;
    const std::string aside =
        path.string() + (n == 0 ? ".broken" : ".broken." + std::to_string(n + 1));
    EXPECT_EQ(readBytes(aside), bytes);
    ++n;
  }
  ASSERT_TRUE(file.saveStatistics(sample()));
  EXPECT_EQ(file.loadStatistics().status, Status::Loaded);
}

// A newer version's file is left byte for byte as it is, however it looks inside.
TEST_F(StatisticsFileTest, ANewerVersionIsLeftUntouched) {
  for (const std::string bytes :
       {R"({"version": 2, "notes": "in a form this version does not know"})",
        R"({"version": 99})"}) {
    writeBytes(path, bytes);
    EXPECT_EQ(file.loadStatistics().status, Status::Untouchable) << bytes;
    EXPECT_EQ(readBytes(path), bytes);
    EXPECT_FALSE(std::filesystem::exists(path.string() + ".broken"));
  }
}

TEST(StatisticsFileAsPlayer, AnUnwritableFolderIsReportedAndLeavesTheOldFile) {
  EXPECT_TRUE(test::asPlayer([](const std::filesystem::path& folder) {
    StatisticsFile file(folder / "stats.json");
    ASSERT_TRUE(file.saveStatistics(sample(1)));
    std::filesystem::permissions(
        folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_FALSE(file.saveStatistics(sample(5)));
    EXPECT_EQ(file.loadStatistics().statistics, sample(1));
  }));
}

// A writer killed at any moment leaves one of the whole files it wrote, never a part.
TEST_F(StatisticsFileTest, AKillDuringAWriteLeavesTheOldFileWhole) {
  const Statistics small = sample(1), large = sample(20'000);
  ASSERT_TRUE(file.saveStatistics(small));
  for (int round = 0; round < 12; ++round) {
    const pid_t writer = fork();
    ASSERT_NE(writer, -1);
    if (writer == 0) {
      for (;;) file.saveStatistics(round % 2 ? small : large);
    }
    usleep(static_cast<useconds_t>(3'000 + 7'919 * round % 40'000));
    kill(writer, SIGKILL);
    waitpid(writer, nullptr, 0);
    const StoredStatistics back = file.loadStatistics();
    ASSERT_EQ(back.status, Status::Loaded) << round;
    EXPECT_TRUE(back.statistics == small || back.statistics == large) << round;
  }
}

}  // namespace
}  // namespace quavix
