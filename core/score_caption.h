#pragma once

#include <cstdint>
#include <string>

#include "core/controls_model.h"
#include "core/state.h"

namespace quavix {

std::string scoreCaption(int16_t score);
// Label2 shows the active slot's score.
void showScore(const GameState& state, Controls& controls);

}  // namespace quavix
