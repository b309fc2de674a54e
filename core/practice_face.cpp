#include "core/practice_face.h"

namespace quavix {

namespace {

// The staff lines of the clef pictures, steps 5 to 13, across the whole card.
constexpr int kStaffTop = 390;
constexpr int kStaffLineGap = 90;
constexpr int kCardWidth = 1200;

}  // namespace

bool hasClefPicture(Clef clef) { return clef == Clef::Treble || clef == Clef::Bass; }

void facePracticeCard(const PracticeCard& card, Controls& controls) {
  CardModel& face = controls.picture1;
  if (!hasClefPicture(card.clef)) {
    for (int line = 0; line < 5; ++line) {
      const int y = kStaffTop + kStaffLineGap * line;
      face.lines.push_back({0, y, kCardWidth, y});
    }
  }
}

}  // namespace quavix
