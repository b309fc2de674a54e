#pragma once

#include <cstdint>
#include <optional>

#include "core/interfaces/clock.h"
#include "core/interfaces/statistics_storage.h"
#include "core/statistics_recorder.h"

namespace quavix::bench {

// A clock that moves on by a quarter second at every reading; `day` moves the date on.
struct StepClock : Clock {
  int64_t now = 0;
  int64_t day = 0;
  int64_t steadyMilliseconds() override { return now += 250; }
  int64_t unixSeconds() override { return 1'700'000'000 + day * 86'400 + now / 1000; }
  int64_t utcOffsetSeconds() override { return 3600; }
};

// Keeps nothing, so that only the recording is measured.
struct NoStorage : StatisticsStorage {
  StoredStatistics loadStatistics() override { return {StoredStatistics::Status::Loaded, {}}; }
  bool saveStatistics(const Statistics&) override { return true; }
};

// One card: shown, then missed now and then, else answered right, after a wrong key every
// `wrongEvery` cards.
inline void playCard(GameRecorder& recorder, int clef, int note, int card, int wrongEvery) {
  recorder.cardShown(clef, note);
  if (card % 20 == 3) {
    recorder.cardMissed(clef, note);
    return;
  }
  if (card % wrongEvery == 0) recorder.answered(clef, note, 40 + card % 40, false);
  recorder.answered(clef, note, 0, true);
}

// A season of play: games of some cards on both clefs, mostly right, some wrong, a few missed.
inline void recordEvents(GameRecorder& recorder, int count, int cardsPerGame = 20) {
  int events = 0, card = 0;
  while (events < count) {
    recorder.gameStarted(card % 3 ? PlayMode::Learning : PlayMode::Test, card % 3, 0, std::nullopt);
    for (int i = 0; i < cardsPerGame && events < count; ++i, ++card) {
      const int clef = card % 2;
      playCard(recorder, clef, 12 * clef + card * 7 % 19, card, 7);
      events += 2;
    }
    recorder.gameEnded(static_cast<int16_t>(card % 500));
    events += 2;
  }
}

// A year of daily practice: 365 days of three games, a one-minute run among them, 50 000 answers
// in all over both clefs, some wrong, a few missed.
inline void recordYear(GameRecorder& recorder, StepClock& clock) {
  int answers = 0;
  for (int day = 0; day < 365; ++day) {
    clock.day = day;
    for (int game = 0; game < 3; ++game) {
      const bool run = game == 2;
      recorder.gameStarted(run ? PlayMode::Run : PlayMode::Learning, game, 0,
                           run ? std::optional(RunNoteSet::TrebleStaff) : std::nullopt);
      for (int card = 0; card < 46 && answers < 50'000; ++card, ++answers) {
        const int clef = (card + day) % 2;
        playCard(recorder, clef, 12 * clef + (card * 7 + day) % 19, card, 9);
      }
      recorder.gameEnded(static_cast<int16_t>(day % 500));
    }
  }
}

}  // namespace quavix::bench
