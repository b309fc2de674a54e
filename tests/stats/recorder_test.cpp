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

// Written at the load only when there was nothing to read; during play at most once a minute,
// and a failed write is tried at the next chance after it; at the unload when something is
// unwritten.
TEST_F(Recorder, WritesAtTheLoadAtMostOnceAMinuteAndAtTheUnload) {
  for (auto [status, atLoad] : {std::pair{Status::Loaded, 0u}, {Status::Fresh, 1u}}) {
    MemoryStatistics memory;
    memory.stored.status = status;
    StatisticsRecorder fresh(memory, clock);
    clock.steady = 0;
    fresh.opened();
    EXPECT_EQ(memory.saves.size(), atLoad);
    for (int64_t t : {1000, 59'999, 60'000, 60'500, 119'999, 120'000, 120'500}) {
      memory.writable = t != 60'000;
      clock.steady = t;
      fresh.cardShown(0, 15);
    }
    ASSERT_EQ(memory.saves.size(), atLoad + 1) << "nothing written between the tries";
    EXPECT_EQ(memory.saves.back().notes[0][15].shown, 6u);
    fresh.closed();
    fresh.closed();
    ASSERT_EQ(memory.saves.size(), atLoad + 2) << "nothing new, nothing written";
    EXPECT_EQ(memory.saves.back(), fresh.statistics());
  }
}

// A file that must not be touched: nothing is counted and nothing written, clearing included.
// Cards no clef can show are not counted either.
TEST_F(Recorder, AnUntouchableStorageAndNotesOutsideTheClefAreNotRecorded) {
  recorder.opened();
  for (auto [clef, note] : {std::pair{0, 19}, {1, 11}, {0, -1}, {2, 15}}) {
    recorder.cardShown(clef, note);
    recorder.cardMissed(clef, note);
  }
  EXPECT_EQ(recorder.statistics(), Statistics{});
  MemoryStatistics untouchable;
  untouchable.stored = {Status::Untouchable, {}};
  untouchable.stored.statistics.notes[0][15].shown = 7;
  StatisticsRecorder idle(untouchable, clock);
  idle.opened();
  idle.gameStarted(PlayMode::Learning, 0, 0);
  idle.cardShown(0, 15);
  idle.gameEnded(10);
  idle.clear();
  idle.closed();
  EXPECT_FALSE(idle.recording());
  EXPECT_EQ(idle.statistics(), Statistics{});
  EXPECT_TRUE(untouchable.saves.empty());
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
