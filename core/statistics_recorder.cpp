#include "core/statistics_recorder.h"

#include <utility>

#include "core/fluency.h"
#include "core/judging.h"
#include "core/practice_days.h"

namespace quavix {

namespace {

WrittenNote gameNote(int clef, int note) { return {static_cast<Clef>(clef), spellingOfNote(note)}; }

}  // namespace

StatisticsRecorder::StatisticsRecorder(StatisticsStorage& storage, Clock& clock)
    : storage_(storage), clock_(clock) {}

void StatisticsRecorder::opened() {
  StoredStatistics stored = storage_.loadStatistics();
  recording_ = stored.status != StoredStatistics::Status::Untouchable;
  if (!recording_) return;
  statistics_ = std::move(stored.statistics);
  if (stored.status != StoredStatistics::Status::Loaded) save();
  lastSave_ = clock_.steadyMilliseconds();
  notify();
}

void StatisticsRecorder::closed() {
  if (recording_ && dirty_) save();
}

int64_t StatisticsRecorder::today() {
  return localDay(clock_.unixSeconds(), clock_.utcOffsetSeconds());
}

void StatisticsRecorder::gameStarted(PlayMode mode, int clefChoice, int16_t score,
                                     std::optional<RunNoteSet> noteSet) {
  game_ = GameRecord{.mode = mode,
                     .clefChoice = static_cast<int16_t>(clefChoice),
                     .startScore = score,
                     .endScore = score,
                     .startedAt = clock_.unixSeconds(),
                     .utcOffsetMinutes = static_cast<int16_t>(clock_.utcOffsetSeconds() / 60),
                     .noteSet = noteSet};
  gameRightTimes_.clear();
  gameStartedAt_ = clock_.steadyMilliseconds();
}

std::optional<GameRecord> StatisticsRecorder::gameEnded(int16_t score) {
  if (!game_) return std::nullopt;
  GameRecord game = *std::exchange(game_, std::nullopt);
  game.endScore = score;
  game.durationMilliseconds = clock_.steadyMilliseconds() - gameStartedAt_;
  game.medianMilliseconds = medianOf(std::move(gameRightTimes_));
  if (recording_) {
    statistics_.games.push_back(game);
    changed();
  }
  return game;
}

void StatisticsRecorder::cardShown(int clef, int note) { show(figures(clef, note)); }

void StatisticsRecorder::answered(int clef, int note, int pressedPitch, bool right) {
  answer(figures(clef, note), gameNote(clef, note), pressedPitch, right);
}

void StatisticsRecorder::cardMissed(int clef, int note) {
  miss(figures(clef, note), gameNote(clef, note));
}

void StatisticsRecorder::writtenCardShown(const WrittenNote& card) { show(figures(card)); }

void StatisticsRecorder::writtenAnswered(const WrittenNote& card, int pressedPitch, bool right) {
  answer(figures(card), card, pressedPitch, right);
}

void StatisticsRecorder::writtenCardMissed(const WrittenNote& card) { miss(figures(card), card); }

void StatisticsRecorder::show(NoteFigures* entry) {
  cardShownAt_ = clock_.steadyMilliseconds();
  cardFailed_ = false;
  if (!entry) return;
  ++entry->shown;
  changed();
}

void StatisticsRecorder::answer(NoteFigures* entry, const WrittenNote& card, int pressedPitch,
                                bool right) {
  const int64_t elapsed = clock_.steadyMilliseconds() - cardShownAt_;
  if (game_) {
    ++(right ? game_->right : game_->wrong);
    if (right) gameRightTimes_.push_back(elapsed);
  }
  if (!entry) return;
  NoteMemory& memory = statistics_.memories[card];
  if (right) {
    ++entry->right;
    entry->rightMilliseconds += static_cast<uint64_t>(elapsed);
    if (!cardFailed_) rememberRight(memory, elapsed, today());
  } else {
    ++entry->wrong;
    entry->wrongMilliseconds += static_cast<uint64_t>(elapsed);
    ++entry->instead[pressedPitch];
    rememberFailure(memory, today());
    cardFailed_ = true;
  }
  changed();
}

void StatisticsRecorder::miss(NoteFigures* entry, const WrittenNote& card) {
  if (game_) ++game_->missed;
  if (!entry) return;
  ++entry->missed;
  rememberFailure(statistics_.memories[card], today());
  changed();
}

void StatisticsRecorder::setDailyGoal(int16_t minutes) {
  if (!recording_ || minutes == statistics_.dailyGoalMinutes) return;
  statistics_.dailyGoalMinutes = minutes;
  changed();
}

void StatisticsRecorder::clear() {
  if (!recording_) return;
  // The goal is a setting, not a record.
  const int16_t goal = statistics_.dailyGoalMinutes;
  statistics_ = Statistics{};
  statistics_.dailyGoalMinutes = goal;
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
