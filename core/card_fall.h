#pragma once

#include "core/controls_model.h"
#include "core/interfaces/picture_files.h"
#include "core/interfaces/random_source.h"
#include "core/practice_game.h"
#include "core/state.h"

namespace quavix {

// What a tick did besides moving the card.
struct TickOutcome {
  bool spawned = false;
  bool missed = false;
  bool stopped = false;  // the game could not go on
};

// Timer1's tick: spawns a card when none falls, moves it, then lets it fall or counts a miss.
// A practice game's cards are chosen, drawn and weighed by its own rules.
TickOutcome Timer1_Timer(GameState& state, Controls& controls, RandomSource& random,
                         PictureFiles& pictures, PracticeGame* practice = nullptr);
// Moves the card Picture1 to noteLeft and its fall position noteFallY.
void placeCard(const GameState& state, Controls& controls);

}  // namespace quavix
