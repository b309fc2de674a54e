#pragma once

// Stand-ins for the statistics' tests: a clock and a storage under the test's control, and the
// whole game core on them with scripted draws.

#include <gtest/gtest.h>

#include <vector>

#include "core/statistics_recorder.h"
#include "tests/core/game_doubles.h"

namespace quavix {

struct ScriptedClock : Clock {
  int64_t steady = 0;
  int64_t unix = 1'700'000'000;
  int64_t offset = 0;
  int64_t steadyMilliseconds() override { return steady; }
  int64_t unixSeconds() override { return unix; }
  int64_t utcOffsetSeconds() override { return offset; }
};

struct MemoryStatistics : StatisticsStorage {
  StoredStatistics stored{StoredStatistics::Status::Loaded, {}};
  std::vector<Statistics> saves;
  bool writable = true;
  StoredStatistics loadStatistics() override { return stored; }
  bool saveStatistics(const Statistics& statistics) override {
    if (writable) saves.push_back(statistics);
    return writable;
  }
};

// Velmora headless from a score of 0, its draws scripted, its statistics recorded for real.
struct Headless : ScriptedDraws, Pictures {
  Headless() { services.storedScore = 0; }
  RecordingServices services;
  ScriptedClock clock;
  MemoryStatistics storage;
  StatisticsRecorder recorder{storage, clock};
  Velmora velmora{
      {services, services, *this, *this, services, services, services, recorder, services}};

  // The draws of a card taken at its first attempt: step, left, the clef of a mixed choice,
  // weight test.
  void card(int step, int mixedClef = -1) {
    draws.insert(draws.end(), {(step + 0.5f) / 19, 0.0f});
    if (mixedClef >= 0) draws.push_back(mixedClef == 1 ? 0.9f : 0.1f);
    draws.push_back(0.0f);
  }
};

}  // namespace quavix
