#include "stats_doubles.h"

namespace quavix {
namespace {

using Status = StoredStatistics::Status;

// Written at the load only when there was nothing to read; during play at most once a minute,
// and a failed write is tried at the next chance after it; at the unload when something is
// unwritten, a failed write's record included.
TEST(Recorder, WritesAtTheLoadAtMostOnceAMinuteAndAtTheUnload) {
  for (auto [status, atLoad] : {std::pair{Status::Loaded, 0u}, {Status::Fresh, 1u}}) {
    ScriptedClock clock;
    MemoryStatistics memory;
    memory.stored.status = status;
    StatisticsRecorder fresh(memory, clock);
    clock.steady = 0;
    fresh.opened();
    EXPECT_EQ(memory.saves.size(), atLoad);
    for (int64_t t : {1000, 59'999, 60'000, 60'500, 119'999, 120'000, 180'000}) {
      memory.writable = t % 60'000 != 0 || t == 120'000;
      clock.steady = t;
      fresh.cardShown(0, 15);
    }
    ASSERT_EQ(memory.saves.size(), atLoad + 1) << "nothing written between the tries";
    EXPECT_EQ(memory.saves.back().notes[0][15].shown, 6u);
    memory.writable = true;
    fresh.closed();
    fresh.closed();
    ASSERT_EQ(memory.saves.size(), atLoad + 2) << "nothing new, nothing written";
    EXPECT_EQ(memory.saves.back(), fresh.statistics());
  }
}

// A file that must not be touched: nothing is counted and nothing written, clearing included.
// Cards no clef can show are not counted either.
TEST(Recorder, AnUntouchableStorageAndNotesOutsideTheClefAreNotRecorded) {
  ScriptedClock clock;
  MemoryStatistics storage;
  StatisticsRecorder recorder{storage, clock};
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
  idle.gameStarted(PlayMode::Learning, 0, 0, std::nullopt);
  idle.cardShown(0, 15);
  idle.gameEnded(10);
  idle.clear();
  idle.closed();
  EXPECT_EQ(idle.statistics(), Statistics{});
  EXPECT_TRUE(untouchable.saves.empty());
}

}  // namespace
}  // namespace quavix
