#pragma once

#include "core/controls_model.h"
#include "core/interfaces/random_source.h"
#include "core/practice_game.h"
#include "core/state.h"

namespace quavix {

// chooseCard over the practice game's notes: the selected clefs and their ranges, the chosen
// accidentals, its own weights. Learning mode limits the distance from middle C as the game does,
// but never below the nearest note that the chosen ranges hold. Sets practice.card, staffStep and
// noteLeft; currentClef and currentNote too when the card is one of the game's own notes. Queued
// cards come first, as they are.
void choosePracticeCard(GameState& state, PracticeGame& practice, const Controls& controls,
                        RandomSource& random);

}  // namespace quavix
