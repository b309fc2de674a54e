#include "core/note_model.h"

namespace quavix {

const std::array<int16_t, kWhiteKeyCount> kWhiteKeyOffsets = {
    -20, -18, -17, -15, -13, -12, -10, -8, -6, -5, -3, -1, 0,  2,  4,  6, 7,
    9,   11,  12,  14,  16,  18,  19,  21, 23, 24, 26, 28, 30, 31, 33, 35};

const std::array<int16_t, kBlackKeyCount> kBlackKeyOffsets = {
    -16, -14, -11, -9, -7, -4, -2, 1, 3, 5, 8, 10, 13, 15, 17, 20, 22, 25, 27, 29, 32, 34, -19};

void fillKeyTables(GameState& state) {
  state.whiteKeyOffsets = kWhiteKeyOffsets;
  state.blackKeyOffsets = kBlackKeyOffsets;
}

int16_t keyOffset(const GameState& state, layout::KeyRef key) {
  return key.black ? state.blackKeyOffsets.at(key.index) : state.whiteKeyOffsets.at(key.index);
}

int keyMidiNote(const GameState& state, layout::KeyRef key) {
  return kMidiBaseNote + keyOffset(state, key);
}

}  // namespace quavix
