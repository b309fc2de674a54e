#pragma once

#include <functional>
#include <optional>
#include <utility>

#include "core/interfaces/clock.h"
#include "core/interfaces/game_recorder.h"
#include "core/interfaces/statistics_storage.h"
#include "core/statistics.h"

namespace quavix {

// Keeps the statistics of every card and game and writes them to their storage: at the load
// when there were none to read or they were of an older version, at most once a minute while events
// come, and at the unload. When the storage could not be read safely nothing is recorded and
// nothing written.
class StatisticsRecorder final : public GameRecorder {
 public:
  static constexpr int64_t kSaveInterval = 60'000;  // milliseconds

  StatisticsRecorder(StatisticsStorage& storage, Clock& clock);

  void opened() override;
  void closed() override;
  void gameStarted(PlayMode mode, int clefChoice, int16_t score,
                   std::optional<RunNoteSet> noteSet) override;
  std::optional<GameRecord> gameEnded(int16_t score) override;
  void cardShown(int clef, int note) override;
  void answered(int clef, int note, int pressedPitch, bool right) override;
  void cardMissed(int clef, int note) override;
  void writtenCardShown(const WrittenNote& card) override;
  void writtenAnswered(const WrittenNote& card, int pressedPitch, bool right) override;
  void writtenCardMissed(const WrittenNote& card) override;

  const Statistics& statistics() const { return statistics_; }
  bool recording() const { return recording_; }
  // The player's calendar day of the moment.
  int64_t today();
  std::vector<WrittenNote> dueToday() { return dueNotes(statistics_.memories, today()); }
  void setDailyGoal(int16_t minutes);
  // Forgets everything recorded and writes the empty record at once; a running game goes on
  // and is kept when it ends.
  void clear();
  // Called after every change, for a view that shows the statistics live.
  void setListener(std::function<void()> listener) { listener_ = std::move(listener); }

 private:
  NoteFigures* figures(int clef, int note);
  NoteFigures* figures(const WrittenNote& card);
  void show(NoteFigures* entry);
  void answer(NoteFigures* entry, const WrittenNote& card, int pressedPitch, bool right);
  void miss(NoteFigures* entry, const WrittenNote& card);
  void changed();
  void notify();
  void save();

  StatisticsStorage& storage_;
  Clock& clock_;
  Statistics statistics_;
  bool recording_ = false;
  bool dirty_ = false;
  int64_t lastSave_ = 0;
  int64_t cardShownAt_ = 0;
  // A card answered wrong once is not a right answer for its note's memory.
  bool cardFailed_ = false;
  // Tallied also when nothing is kept, for the figures the window shows at the end.
  std::optional<GameRecord> game_;
  std::vector<int64_t> gameRightTimes_;
  int64_t gameStartedAt_ = 0;
  std::function<void()> listener_;
};

}  // namespace quavix
