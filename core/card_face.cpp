#include "core/card_face.h"

#include <array>

namespace quavix {

namespace {

constexpr int kStepHeight = 45;
constexpr int kTopStepHeadY = -150;
constexpr int kLedgerLeft = 340;
constexpr int kLedgerRight = 510;
constexpr int kKeepImage = -1;  // the middle line takes the previous card's note image

struct StepLayout {
  int imageIndex;
  int ledgerCount;
  std::array<int, 2> ledgerYs;
};

// Image 1 has its stem down (notes above the middle line), image 0 its stem up.
constexpr std::array<StepLayout, 19> kStepLayouts = {{
    {1, 2, {300, 210}},   // step 0
    {1, 2, {300, 210}},   // step 1
    {1, 1, {300}},        // step 2
    {1, 1, {300}},        // step 3
    {1, 0, {}},           // step 4
    {1, 0, {}},           // step 5
    {1, 0, {}},           // step 6
    {1, 0, {}},           // step 7
    {1, 0, {}},           // step 8
    {kKeepImage, 0, {}},  // step 9
    {0, 0, {}},           // step 10
    {0, 0, {}},           // step 11
    {0, 0, {}},           // step 12
    {0, 0, {}},           // step 13
    {0, 0, {}},           // step 14
    {0, 1, {845}},        // step 15
    {0, 1, {845}},        // step 16
    {0, 2, {935, 845}},   // step 17
    {0, 2, {935, 845}},   // step 18
}};

}  // namespace

void layOutCard(GameState& state, Controls& controls) {
  const StepLayout& layout = kStepLayouts[state.staffStep];
  state.noteHeadY = static_cast<int16_t>(kStepHeight * state.staffStep + kTopStepHeadY);
  CardModel& card = controls.picture1;
  card.lines.clear();
  card.symbols.clear();
  card.noteShift = 0;
  for (int i = 0; i < layout.ledgerCount; ++i) {
    const int y = layout.ledgerYs[i];
    card.lines.push_back({kLedgerLeft, y, kLedgerRight, y});
  }
  ++card.revision;
  if (layout.imageIndex != kKeepImage) {
    state.noteImageIndex = static_cast<int16_t>(layout.imageIndex);
  }
  controls.image1[state.noteImageIndex].visible = true;
  controls.image1[1 - state.noteImageIndex].visible = false;
}

}  // namespace quavix
