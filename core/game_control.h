#pragma once

#include "core/controls_model.h"
#include "core/state.h"

namespace quavix {

// Starts a game when idle, otherwise stops it.
void Command3_Click(GameState& state, Controls& controls);
// The stop half of Command3_Click, also used when a game cannot go on.
void stopGame(GameState& state, Controls& controls);
void Command4_Click(GameState& state);
// The option handlers run after the click has selected the option in the model.
void Option1_Click(GameState& state, Controls& controls, int index);
void Option2_Click(GameState& state, Controls& controls, int index);
void Timer2_Timer(GameState& state, Controls& controls);

}  // namespace quavix
