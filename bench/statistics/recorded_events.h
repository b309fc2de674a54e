#pragma once

#include <cstdint>

#include "core/interfaces/clock.h"
#include "core/interfaces/statistics_storage.h"
#include "core/statistics_recorder.h"

namespace quavix::bench {

// A clock that moves on by a quarter second at every reading.
struct StepClock : Clock {
  int64_t now = 0;
  int64_t steadyMilliseconds() override { return now += 250; }
  int64_t unixSeconds() override { return 1'700'000'000 + now / 1000; }
  int64_t utcOffsetSeconds() override { return 3600; }
};

// Keeps nothing, so that only the recording is measured.
struct NoStorage : StatisticsStorage {
  StoredStatistics loadStatistics() override { return {StoredStatistics::Status::Loaded, {}}; }
  bool saveStatistics(const Statistics&) override { return true; }
};

// A season of play: games of some cards on both clefs, mostly right, some wrong, a few missed.
inline void recordEvents(GameRecorder& recorder, int count, int cardsPerGame = 20) {
  int events = 0, card = 0;
  while (events < count) {
    recorder.gameStarted(card % 3 ? PlayMode::Learning : PlayMode::Test, card % 3, 0, std::nullopt);
    for (int i = 0; i < cardsPerGame && events < count; ++i, ++card) {
      const int clef = card % 2;
      const int note = 12 * clef + card * 7 % 19;
      recorder.cardShown(clef, note);
      if (card % 20 == 3) {
        recorder.cardMissed(clef, note);
      } else {
        if (card % 7 == 0) recorder.answered(clef, note, 40 + card % 40, false);
        recorder.answered(clef, note, 0, true);
      }
      events += 2;
    }
    recorder.gameEnded(static_cast<int16_t>(card % 500));
    events += 2;
  }
}

}  // namespace quavix::bench
