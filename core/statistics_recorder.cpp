#include "core/statistics_recorder.h"

#include <utility>

namespace quavix {

StatisticsRecorder::StatisticsRecorder(StatisticsStorage& storage, Clock& clock)
    : storage_(storage), clock_(clock) {}

void StatisticsRecorder::opened() {
  StoredStatistics stored = storage_.loadStatistics();
  recording_ = stored.status != StoredStatistics::Status::Untouchable;
  if (!recording_) return;
  statistics_ = std::move(stored.statistics);
  if (stored.status == StoredStatistics::Status::Fresh) save();
  lastSave_ = clock_.steadyMilliseconds();
  notify();
}

void StatisticsRecorder::closed() {
  if (recording_ && dirty_) save();
}

void StatisticsRecorder::gameStarted(PlayMode mode, int clefChoice, int16_t score) {
  if (!recording_) return;
  game_ = GameRecord{mode, static_cast<int16_t>(clefChoice), score, score, clock_.unixSeconds(), 0};
  gameStartedAt_ = clock_.steadyMilliseconds();
}

void StatisticsRecorder::gameEnded(int16_t score) {
  if (!recording_ || !game_) return;
  game_->endScore = score;
  game_->durationMilliseconds = clock_.steadyMilliseconds() - gameStartedAt_;
  statistics_.games.push_back(*game_);
  game_.reset();
  changed();
}

void StatisticsRecorder::cardShown(int clef, int note) { show(figures(clef, note)); }

void StatisticsRecorder::answered(int clef, int note, int pressedPitch, bool right) {
  answer(figures(clef, note), pressedPitch, right);
}

void StatisticsRecorder::cardMissed(int clef, int note) { miss(figures(clef, note)); }

void StatisticsRecorder::writtenCardShown(const WrittenNote& card) { show(figures(card)); }

void StatisticsRecorder::writtenAnswered(const WrittenNote& card, int pressedPitch, bool right) {
  answer(figures(card), pressedPitch, right);
}

void StatisticsRecorder::writtenCardMissed(const WrittenNote& card) { miss(figures(card)); }

void StatisticsRecorder::show(NoteFigures* entry) {
  if (!entry) return;
  ++entry->shown;
  cardShownAt_ = clock_.steadyMilliseconds();
  changed();
}

void StatisticsRecorder::answer(NoteFigures* entry, int pressedPitch, bool right) {
  if (!entry) return;
  const auto elapsed = static_cast<uint64_t>(clock_.steadyMilliseconds() - cardShownAt_);
  if (right) {
    ++entry->right;
    entry->rightMilliseconds += elapsed;
  } else {
    ++entry->wrong;
    entry->wrongMilliseconds += elapsed;
    ++entry->instead[pressedPitch];
  }
  changed();
}

void StatisticsRecorder::miss(NoteFigures* entry) {
  if (!entry) return;
  ++entry->missed;
  changed();
}

void StatisticsRecorder::clear() {
  if (!recording_) return;
  statistics_ = Statistics{};
  save();
  notify();
}

NoteFigures* StatisticsRecorder::figures(int clef, int note) {
  if (!recording_ || !clefShowsNote(clef, note)) return nullptr;
  return &statistics_.notes[clef][note];
}

NoteFigures* StatisticsRecorder::figures(const WrittenNote& card) {
  return recording_ ? &statistics_.written[card] : nullptr;
}

void StatisticsRecorder::changed() {
  dirty_ = true;
  if (clock_.steadyMilliseconds() - lastSave_ >= kSaveInterval) save();
  notify();
}

void StatisticsRecorder::notify() {
  if (listener_) listener_();
}

void StatisticsRecorder::save() {
  // A failed write is retried at the next chance; the storage has said why.
  if (storage_.saveStatistics(statistics_)) dirty_ = false;
  lastSave_ = clock_.steadyMilliseconds();
}

}  // namespace quavix
