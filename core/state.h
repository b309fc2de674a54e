#pragma once

#include <array>
#include <cstdint>

namespace quavix {

constexpr int kWhiteKeyCount = 33;
constexpr int kBlackKeyCount = 23;
constexpr int kNoteIndexCount = 32;
constexpr int kClefCount = 2;
// A card's note stands on one of these steps of its staff, from the lowest.
constexpr int kStaffStepCount = 19;
constexpr int kScoreSlotCount = 4;
constexpr int kTestSlot = 3;

// The one record of the running game. All fields are zero when the window is created.
struct GameState {
  int16_t noteFallY = 0;
  int16_t staffStep = 0;
  int16_t currentClef = 0;
  int16_t currentNote = 0;
  int16_t noteHeadY = 0;
  int16_t noteImageIndex = 0;
  int16_t noteLeft = 0;
  std::array<int16_t, kScoreSlotCount> scores{};
  int16_t scoreSlot = 0;
  std::array<std::array<int16_t, kClefCount>, kNoteIndexCount> noteWeights{};  // [note][clef]
  int16_t testTicks = 0;
  std::array<int16_t, kWhiteKeyCount> whiteKeyOffsets{};
  std::array<int16_t, kBlackKeyCount> blackKeyOffsets{};

  bool operator==(const GameState&) const = default;
};

}  // namespace quavix
