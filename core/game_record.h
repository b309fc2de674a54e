#pragma once

#include <cstdint>
#include <optional>

#include "core/run_note_sets.h"

namespace quavix {

// Run: the one-minute fluency run; Review: a learning game that brings the notes due today first.
enum class PlayMode : uint8_t { Learning, Test, Run, Review };

// One finished game.
struct GameRecord {
  PlayMode mode = PlayMode::Learning;
  int16_t clefChoice = 0;  // 0 treble, 1 bass, 2 mixed
  int16_t startScore = 0;
  int16_t endScore = 0;
  int64_t startedAt = 0;  // seconds since 1970 UTC
  int64_t durationMilliseconds = 0;
  // Games of older files have none of what follows.
  uint32_t right = 0;
  uint32_t wrong = 0;
  uint32_t missed = 0;
  int64_t medianMilliseconds = 0;       // of the right answers
  int16_t utcOffsetMinutes = 0;         // where it was played, which fixes its calendar day
  std::optional<RunNoteSet> noteSet{};  // a one-minute run's
  bool operator==(const GameRecord&) const = default;
};

}  // namespace quavix
