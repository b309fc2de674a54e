#include "platform/files/statistics_file.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>
#include <vector>

#include "platform/files/statistics_json.h"
#include "tests/files/file_bytes.h"

namespace quavix {
namespace {

using Status = StoredStatistics::Status;

Statistics sample() {
  Statistics s;
  s.notes[0][15] = {12, 8, 3, 1, 9'876, 4'321, {{59, 2}, {62, 1}}};
  s.notes[1][30] = {1, 0, 0, 1, 0, 0, {}};
  s.notes[0][0].instead[34] = 4'000'000'000u;
  s.games = {
      {PlayMode::Learning, 0, -32768, 32767, 1'700'000'000, 180'000},
      {PlayMode::Test, 2, 0, 5, 1'700'000'001, 1},
      {PlayMode::Run, 2, 0, 90, 1'700'000'002, 60'000, 31, 2, 1, 950, -300, RunNoteSet::AltoStaff},
      {PlayMode::Review, 1, 7, 9, 1'700'000'003, 5'000, 1, 0, 0, 400, 540}};
  s.memories[{Clef::Tenor, {3, 1, 3}}] = {4, 19'700, {{19'699, 800}, {19'700, 1'200}}};
  s.memories[{Clef::Treble, {0, 0, 4}}] = {};
  s.dailyGoalMinutes = 25;
  return s;
}

// Empty, truncated, nonsense or too large to read at start-up: set aside whole, under a name no
// earlier one has, and a fresh start, in one line. A newer version's file is left byte for byte
// as it is, however it looks inside. What is saved, into a missing folder, comes back.
TEST(StatisticsFile, AnUnusableFileIsSetAsideAndANewerOneLeftAlone) {
  const QTemporaryDir dir;
  const std::filesystem::path path = dir.filePath("q/stats.json").toStdString();
  StatisticsFile file{path};
  const std::string whole = statisticsToJson(sample()).toStdString();
  const std::string unusable[] = {
      "",
      whole.substr(0, whole.size() / 2),
      R"({"version": 0})",
      R"({"version": 1, "notes": [{"clef": 2, "note": 3}]})",
      R"({"version": 1, "notes": [{"clef": 0, "note": 3, "shown": -1}]})",
      R"({"version": 1, "notes": [{"clef": 0, "note": 3, "right": 1.5}]})",
      R"({"version": 1, "games": [{"mode": "race", "startedAt": "2024-01-01T00:00:00Z"}]})",
      R"({"version": 1, "games": [{"mode": "test", "endScore": 40000,
                                   "startedAt": "2024-01-01T00:00:00Z"}]})",
      R"({"version": 1, "games": [{"mode": "test", "startedAt": "yesterday"}]})",
      R"({"version": 2, "memories": [{"clef": "alto", "note": "C4", "box": 6}]})",
      R"({"version": 2, "memories": [{"clef": "alto", "note": "C4", "lastReview": "soon"}]})",
      R"({"version": 2, "games": [{"mode": "run", "noteSet": "tuba",
                                   "startedAt": "2024-01-01T00:00:00Z"}]})",
      whole + std::string(16 << 20, ' ')};
  std::vector<std::pair<std::string, Status>> cases = {
      {R"({"version": 3, "notes": "in a form this version does not know"})", Status::Untouchable}};
  for (const std::string& bytes : unusable) cases.emplace_back(bytes, Status::Fresh);
  EXPECT_EQ(file.loadStatistics().status, Status::Fresh) << "no file yet";
  int setAside = 0;
  for (const auto& [bytes, status] : cases) {
    const auto shown = testing::PrintToString(bytes.substr(0, 80));
    writeBytes(path, bytes);
    StoredStatistics loaded;
    EXPECT_TRUE(oneLineNaming(path, [&] { loaded = file.loadStatistics(); })) << shown;
    EXPECT_EQ(loaded.status, status) << shown;
    EXPECT_EQ(loaded.statistics, Statistics{}) << shown;
    const std::filesystem::path aside =
        path.string() + (setAside ? ".broken." + std::to_string(setAside + 1) : ".broken");
    EXPECT_TRUE(readBytes(status == Status::Fresh ? aside : path) == bytes) << shown;
    setAside += status == Status::Fresh;
  }
  ASSERT_TRUE(file.saveStatistics(sample()));
  EXPECT_EQ(file.loadStatistics().statistics, sample());
}

// A file of the first version is read with every count, kept byte for byte beside the upgraded
// one (once, however often the game starts before it writes), and written in this version.
TEST(StatisticsFile, AnOlderFileIsUpgradedAndKept) {
  const QTemporaryDir dir;
  const std::filesystem::path path = dir.filePath("stats.json").toStdString();
  const std::string first = R"({"version": 1,
    "notes": [{"clef": 0, "note": 15, "shown": 12, "right": 8, "wrong": 3, "missed": 1,
               "rightMs": 9876, "wrongMs": 4321, "instead": [{"pitch": 59, "times": 2}]}],
    "written": [{"clef": "alto", "note": "F#4", "pitch": 66, "shown": 2, "right": 1}],
    "games": [{"mode": "test", "clefChoice": 2, "startScore": 0, "endScore": 5,
               "startedAt": "2023-11-14T22:13:20Z", "durationMs": 180000}]})";
  Statistics expected;
  expected.notes[0][15] = {12, 8, 3, 1, 9'876, 4'321, {{59, 2}}};
  expected.written[{Clef::Alto, {3, 1, 4}}] = {2, 1, 0, 0, 0, 0, {}};
  expected.games = {{PlayMode::Test, 2, 0, 5, 1'700'000'000, 180'000}};
  writeBytes(path, first);
  StatisticsFile file{path};
  const StoredStatistics stored = file.loadStatistics();
  EXPECT_EQ(stored.status, Status::Upgraded);
  EXPECT_EQ(stored.statistics, expected);
  EXPECT_EQ(readBytes(path.string() + ".v1"), first);
  ASSERT_TRUE(file.saveStatistics(stored.statistics));
  const StoredStatistics again = file.loadStatistics();
  EXPECT_EQ(again.status, Status::Loaded);
  EXPECT_EQ(again.statistics, expected);
  EXPECT_FALSE(std::filesystem::exists(path.string() + ".v1.2"));
}

}  // namespace
}  // namespace quavix
