#pragma once

#include "core/controls_model.h"
#include "core/state.h"

namespace quavix {

// Lays out a freshly chosen card for its staffStep: the note's height, the ledger lines (the
// card's drawing cleared first) and which note image shows.
void layOutCard(GameState& state, Controls& controls);

}  // namespace quavix
