#include "core/note_choice.h"

#include <cmath>
#include <cstdlib>

#include "core/game_mode.h"
#include "core/note_model.h"

namespace quavix {

namespace {

// Scores below this come only from an altered score file.
constexpr int kLowestPlayableScore = -50;
constexpr float kLeftRange = 5000;
constexpr int kLeftMin = 1000;

int16_t drawInt(RandomSource& random, float range) {
  return static_cast<int16_t>(std::floor(range * random.next()));
}

// An unselected clef group leaves the clef as it was.
int16_t drawClef(const GameState& state, const Controls& controls, RandomSource& random) {
  if (controls.option1Selected[0]) return 0;
  if (controls.option1Selected[1]) return 1;
  if (controls.option1Selected[2]) return 100.0f * random.next() > 50.0f ? 1 : 0;
  return state.currentClef;
}

}  // namespace

int distanceLimit(int16_t score) {
  // Below -50 the quotient turns negative, divides by zero at -3200 and grows again beyond it.
  // Such a score gets the beginner's limit, so middle C still comes and the spawn ends.
  if (score < kLowestPlayableScore) return 0;
  const double s = score;
  return static_cast<int>(std::floor((s + 50) / (s / 32 + 100)));
}

bool weightTestPasses(int16_t weight, float r) {
  return static_cast<float>(weight) / 4.0f + 1.0f > 6.0f * r;
}

void chooseCard(GameState& state, const Controls& controls, RandomSource& random) {
  const int16_t score = state.scores[state.scoreSlot];
  const bool takeFirst = score > kFirstCandidateScore || testModeSelected(controls);
  const int limit = distanceLimit(score);
  for (;;) {
    random.reseed();
    state.staffStep = drawInt(random, float{kStaffStepCount});
    state.noteLeft = static_cast<int16_t>(drawInt(random, kLeftRange) + kLeftMin);
    state.currentClef = drawClef(state, controls, random);
    state.currentNote = static_cast<int16_t>(noteIndex(state.currentClef, state.staffStep));
    const bool nearEnough = limit >= std::abs(kMiddleC - state.currentNote);
    // Drawn even when the outcome is already settled, so every attempt draws alike.
    const bool weighted =
        weightTestPasses(state.noteWeights[state.currentNote][state.currentClef], random.next());
    if (takeFirst || (nearEnough && weighted)) return;
  }
}

}  // namespace quavix
