#include "core/score_caption.h"

namespace quavix {

void showScore(const GameState& state, Controls& controls) {
  controls.label2Score = state.scores[state.scoreSlot];
}

}  // namespace quavix
