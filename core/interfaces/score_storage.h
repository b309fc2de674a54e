#pragma once

#include "core/state.h"

namespace quavix {

// The persisted scores; the real one is the score file, a test double records the calls.
class ScoreStorage {
 public:
  virtual ~ScoreStorage() = default;
  // Restores slots 0 to 2; on a failure writes a fresh file with the scores as they stand.
  virtual void loadScores(GameState& state) = 0;
  // Writes all four slots. False when the file could not be written.
  virtual bool saveScores(const GameState& state) = 0;
};

}  // namespace quavix
