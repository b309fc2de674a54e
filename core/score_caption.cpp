#include "core/score_caption.h"

namespace quavix {

std::string scoreCaption(int16_t score) { return kScoreLabel + std::to_string(score); }

void showScore(const GameState& state, Controls& controls) {
  controls.label2Caption = scoreCaption(state.scores[state.scoreSlot]);
}

}  // namespace quavix
