#pragma once

#include "core/controls_model.h"
#include "core/interfaces/picture_files.h"
#include "core/interfaces/random_source.h"
#include "core/state.h"

namespace quavix {

// What a tick did besides moving the card.
struct TickOutcome {
  bool spawned = false;
  bool missed = false;
  bool stopped = false;  // the game could not go on
};

// Timer1's tick: spawns a card when none falls, moves it, then lets it fall or counts a miss.
TickOutcome Timer1_Timer(GameState& state, Controls& controls, RandomSource& random,
                         PictureFiles& pictures);
// Moves the card Picture1 to noteLeft and its fall position noteFallY.
void placeCard(const GameState& state, Controls& controls);

}  // namespace quavix
