#pragma once

#include "core/controls_model.h"
#include "core/state.h"

namespace quavix {

// The red hint on the current card's answer key, and taking it back.
void markAnswerKeyRed(const GameState& state, Controls& controls);
void whitenAnswerKey(const GameState& state, Controls& controls);

}  // namespace quavix
