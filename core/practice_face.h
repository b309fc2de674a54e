#pragma once

#include "core/controls_model.h"
#include "core/practice_game.h"

namespace quavix {

// Treble and bass cards start from their clef pictures; the other clefs from a blank card.
bool hasClefPicture(Clef clef);
// Adds to a card laid out by layOutCard what its clef and spelling need.
void facePracticeCard(const PracticeCard& card, Controls& controls);

}  // namespace quavix
