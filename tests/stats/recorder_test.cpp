#include "stats_doubles.h"

namespace quavix {
namespace {

using Status = StoredStatistics::Status;

struct Recorder : ::testing::Test {
  ScriptedClock clock;
  MemoryStatistics storage;
  StatisticsRecorder recorder{storage, clock};

  void showAndAnswerAt(int64_t milliseconds) {
    clock.steady = milliseconds;
    recorder.cardShown(0, 15);
    recorder.answered(0, 15, 60, true);
  }
};

// Written at the load only when there was nothing to read; during play at most once a minute;
// at the unload when something is unwritten.
TEST_F(Recorder, WritesAtTheLoadAtMostOnceAMinuteAndAtTheUnload) {
  const std::tuple<Status, size_t> loads[] = {{Status::Loaded, 0}, {Status::Fresh, 1}};
  for (auto [status, atLoad] : loads) {
    MemoryStatistics memory;
    memory.stored.status = status;
    StatisticsRecorder fresh(memory, clock);
    clock.steady = 0;
    fresh.opened();
    EXPECT_EQ(memory.saves.size(), atLoad);
    for (int64_t t : {1000, 30'000, 59'999}) {
      clock.steady = t;
      fresh.cardShown(0, 15);
    }
    EXPECT_EQ(memory.saves.size(), atLoad);
    clock.steady = 60'000;
    fresh.cardMissed(0, 15);
    clock.steady = 60'500;
    fresh.cardShown(0, 15);
    ASSERT_EQ(memory.saves.size(), atLoad + 1);
    EXPECT_EQ(memory.saves.back().notes[0][15].shown, 3u);
    fresh.closed();
    ASSERT_EQ(memory.saves.size(), atLoad + 2);
    EXPECT_EQ(memory.saves.back(), fresh.statistics());
    fresh.closed();
    EXPECT_EQ(memory.saves.size(), atLoad + 2) << "nothing new, nothing written";
  }
}

TEST_F(Recorder, AFailedWriteIsTriedAgainAtTheNextChance) {
  recorder.opened();
  storage.writable = false;
  showAndAnswerAt(60'000);
  storage.writable = true;
  showAndAnswerAt(61'000);
  EXPECT_TRUE(storage.saves.empty()) << "still within the minute of the failed try";
  recorder.closed();
  ASSERT_EQ(storage.saves.size(), 1u);
  EXPECT_EQ(storage.saves[0].notes[0][15].right, 2u);
}

// A file that must not be touched: nothing is counted and nothing written, clearing included.
TEST_F(Recorder, AnUntouchableStorageIsNeitherRecordedIntoNorWritten) {
  storage.stored.status = Status::Untouchable;
  storage.stored.statistics.notes[0][15].shown = 7;
  recorder.opened();
  recorder.gameStarted(PlayMode::Learning, 0, 0);
  showAndAnswerAt(120'000);
  recorder.gameEnded(10);
  recorder.clear();
  recorder.closed();
  EXPECT_FALSE(recorder.recording());
  EXPECT_EQ(recorder.statistics(), Statistics{});
  EXPECT_TRUE(storage.saves.empty());
}

// Clearing forgets the past and writes at once; the running game still ends in the history.
TEST_F(Recorder, ClearingKeepsTheRunningGame) {
  storage.stored.statistics.games.push_back({});
  recorder.opened();
  int changes = 0;
  recorder.setListener([&] { ++changes; });
  recorder.gameStarted(PlayMode::Test, 1, 0);
  showAndAnswerAt(1000);
  recorder.clear();
  ASSERT_EQ(storage.saves.size(), 1u);
  EXPECT_EQ(storage.saves[0], Statistics{});
  clock.steady = 5000;
  recorder.gameEnded(30);
  EXPECT_EQ(recorder.statistics().games,
            (std::vector<GameRecord>{{PlayMode::Test, 1, 0, 30, clock.unix, 5000}}));
  EXPECT_EQ(changes, 4) << "shown, answered, cleared, ended";
}

// Cards no clef can show are not counted.
TEST_F(Recorder, NotesOutsideTheClefAreIgnored) {
  recorder.opened();
  for (auto [clef, note] : {std::pair{0, 19}, {1, 11}, {0, -1}, {2, 15}}) {
    recorder.cardShown(clef, note);
    recorder.cardMissed(clef, note);
  }
  EXPECT_EQ(recorder.statistics(), Statistics{});
}

TEST(Confusions, MostFrequentFirstThenByPitch) {
  Statistics statistics;
  statistics.notes[0][15].instead = {{59, 3}, {62, 5}};
  statistics.notes[0][14].instead = {{60, 3}};  // D4 -> C4
  statistics.notes[1][15].instead = {{40, 9}};  // another clef
  EXPECT_EQ(mostConfused(statistics, 0, 2), (std::vector<Confusion>{{60, 62, 5}, {60, 59, 3}}));
  EXPECT_EQ(mostConfused(statistics, 0, 10).back(), (Confusion{62, 60, 3}));
}

}  // namespace
}  // namespace quavix
