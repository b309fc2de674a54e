#include "core/card_face.h"

#include <vector>

namespace quavix {

namespace {

constexpr int kStepHeight = 45;
constexpr int kTopStepHeadY = -150;
constexpr int kLedgerLeft = 340;
constexpr int kLedgerRight = 510;
constexpr int kFirstLineAboveStep = 3, kFirstLineAboveY = 300;
constexpr int kFirstLineBelowStep = 15, kFirstLineBelowY = 845;
constexpr int kMiddleLineStep = 9;

// Each pair of steps beyond the staff adds a ledger line. Those above are drawn from the staff
// outwards, those below towards it.
std::vector<int> ledgerYs(int step) {
  std::vector<int> ys;
  for (int s = kFirstLineAboveStep; s >= step; s -= 2) {
    ys.push_back(kFirstLineAboveY - kStepHeight * (kFirstLineAboveStep - s));
  }
  for (int s = kFirstLineBelowStep; s <= step; s += 2) {
    ys.insert(ys.begin(), kFirstLineBelowY + kStepHeight * (s - kFirstLineBelowStep));
  }
  return ys;
}

}  // namespace

void layOutCard(GameState& state, Controls& controls) {
  state.noteHeadY = static_cast<int16_t>(kStepHeight * state.staffStep + kTopStepHeadY);
  CardModel& card = controls.picture1;
  card.lines.clear();
  card.symbols.clear();
  card.noteShift = 0;
  card.growth = {};
  for (const int y : ledgerYs(state.staffStep)) {
    card.lines.push_back({kLedgerLeft, y, kLedgerRight, y});
  }
  ++card.revision;
  // Image 1 has its stem down, for notes above the middle line; the middle line keeps the image
  // of the card before.
  if (state.staffStep != kMiddleLineStep) {
    state.noteImageIndex = static_cast<int16_t>(state.staffStep < kMiddleLineStep ? 1 : 0);
  }
  controls.image1[state.noteImageIndex].visible = true;
  controls.image1[1 - state.noteImageIndex].visible = false;
}

}  // namespace quavix
