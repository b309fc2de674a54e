#pragma once

#include "core/state.h"

namespace quavix {

constexpr int kPenalty = 10;

// A wrong answer or a miss: 10 points off the active slot, never below 0.
void deductPenalty(GameState& state);

}  // namespace quavix
