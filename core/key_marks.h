#pragma once

#include "core/controls_model.h"
#include "core/state.h"
#include "core/window_layout.h"

namespace quavix {

// The red hint on an answer key, and taking back the current card's.
void markKeyRed(Controls& controls, layout::KeyRef key);
void whitenAnswerKey(const GameState& state, Controls& controls);
// Every key back to its own colour, for answers that may lie on any key.
void clearKeyMarks(Controls& controls);

}  // namespace quavix
