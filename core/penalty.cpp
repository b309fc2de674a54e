#include "core/penalty.h"

namespace quavix {

void deductPenalty(GameState& state) {
  int16_t& score = state.scores[state.scoreSlot];
  score = score >= kPenalty ? static_cast<int16_t>(score - kPenalty) : int16_t{0};
}

}  // namespace quavix
