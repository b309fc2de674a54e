#pragma once

#include "core/controls_model.h"
#include "core/interfaces/picture_files.h"
#include "core/interfaces/random_source.h"
#include "core/state.h"

namespace quavix {

// Timer1's tick: spawns a card when none falls, moves it, then lets it fall or counts a miss.
void Timer1_Timer(GameState& state, Controls& controls, RandomSource& random,
                  PictureFiles& pictures);
// Moves the card Picture1 to noteLeft and its fall position noteFallY.
void placeCard(const GameState& state, Controls& controls);

}  // namespace quavix
