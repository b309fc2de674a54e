#pragma once

#include <cstdint>

#include "core/controls_model.h"
#include "core/state.h"

namespace quavix {

// Ticks of Timer2, one a minute, that a test lasts.
constexpr int16_t kTestMinutes = 3;

// The mode is read from the options at every use; nothing keeps a copy of it.
inline bool learningModeSelected(const Controls& controls) { return controls.option2Selected[0]; }
inline bool testModeSelected(const Controls& controls) { return controls.option2Selected[1]; }

inline bool testTimeIsUp(const GameState& state) { return state.testTicks >= kTestMinutes; }

}  // namespace quavix
