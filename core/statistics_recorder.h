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
// when there were none to read, at most once a minute while events come, and at the unload.
// When the storage could not be read safely nothing is recorded and nothing written.
class StatisticsRecorder final : public GameRecorder {
 public:
  static constexpr int64_t kSaveInterval = 60'000;  // milliseconds

  StatisticsRecorder(StatisticsStorage& storage, Clock& clock);

  void opened() override;
  void closed() override;
  void gameStarted(PlayMode mode, int clefChoice, int16_t score) override;
  void gameEnded(int16_t score) override;
  void cardShown(int clef, int note) override;
  void answered(int clef, int note, int pressedPitch, bool right) override;
  void cardMissed(int clef, int note) override;
  void writtenCardShown(const WrittenNote& card) override;
  void writtenAnswered(const WrittenNote& card, int pressedPitch, bool right) override;
  void writtenCardMissed(const WrittenNote& card) override;

  const Statistics& statistics() const { return statistics_; }
  bool recording() const { return recording_; }
  // Forgets everything recorded and writes the empty record at once; a running game goes on
  // and is kept when it ends.
  void clear();
  // Called after every change, for a view that shows the statistics live.
  void setListener(std::function<void()> listener) { listener_ = std::move(listener); }

 private:
  NoteFigures* figures(int clef, int note);
  NoteFigures* figures(const WrittenNote& card);
  void show(NoteFigures* entry);
  void answer(NoteFigures* entry, int pressedPitch, bool right);
  void miss(NoteFigures* entry);
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
  std::optional<GameRecord> game_;
  int64_t gameStartedAt_ = 0;
  std::function<void()> listener_;
};

}  // namespace quavix
