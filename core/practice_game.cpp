#include "core/practice_game.h"

namespace quavix {

void startPractice(PracticeGame& practice, const PracticeSettings& rules, int16_t weight) {
  practice.active = rules != PracticeSettings{};
  practice.rules = rules;
  for (auto& steps : practice.weights) {
    for (auto& accidentals : steps) accidentals.fill(weight);
  }
}

}  // namespace quavix
