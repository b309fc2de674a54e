#pragma once

#include <cstdint>

#include "core/controls_model.h"
#include "core/state.h"
#include "core/translatable.h"

namespace quavix {

// Label2 reads this label directly followed by the score.
inline constexpr char kScoreLabel[] = QUAVIX_TEXT("Velmora", "得分:");

// Label2 shows the active slot's score.
void showScore(const GameState& state, Controls& controls);

}  // namespace quavix
