#pragma once

#include <cstdint>

#include "core/controls_model.h"
#include "core/interfaces/random_source.h"
#include "core/state.h"

namespace quavix {

// Above this score every first candidate is taken.
constexpr int kFirstCandidateScore = 3200;

// How many staff steps from middle C a learning game at this score may show.
int distanceLimit(int16_t score);
// The weight bias: weight 20 always passes, weight 2 one time in four.
bool weightTestPasses(int16_t weight, float r);
// Draws candidates until one is accepted; sets staffStep, noteLeft, currentClef, currentNote.
void chooseCard(GameState& state, const Controls& controls, RandomSource& random);

}  // namespace quavix
