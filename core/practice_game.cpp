#include "core/practice_game.h"

namespace quavix {

void startPractice(PracticeGame& practice, const PracticeSettings& rules, int16_t weight) {
  practice.active = rules != PracticeSettings{};
  practice.rules = rules;
  practice.queued.clear();
  for (auto& steps : practice.weights) {
    for (auto& accidentals : steps) accidentals.fill(weight);
  }
}

void queueNotes(PracticeGame& practice, const std::vector<WrittenNote>& notes) {
  practice.queued.clear();
  for (auto note = notes.rbegin(); note != notes.rend(); ++note) {
    const int step = stepOfDiatonic(note->clef, diatonicOf(note->note));
    if (step < 0 || step >= kStaffStepCount) continue;
    practice.queued.push_back({note->clef, static_cast<int16_t>(step), note->note, 0});
  }
}

}  // namespace quavix
