#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/state.h"

namespace quavix {

// The score file is one line of 14-column print zones, ended by CR LF.
constexpr int kScoreZoneWidth = 14;
// The reader takes the record in windows of these widths; the first is skipped.
constexpr std::array<int, 4> kScoreWindowWidths = {15, 14, 14, 10};
constexpr int kRestoredSlotCount = 3;

// Sign column (blank or "-"), the digits, one blank.
std::string scoreNumberForm(int16_t value);

// The whole line for all four slots, CR LF included.
std::string formatScoreRecord(const std::array<int16_t, kScoreSlotCount>& scores);

// One window's score. Blanks, tabs and line feeds are ignored, the longest leading number is
// taken and rounded half to even; text without a number gives 0. Empty when the result leaves
// the 16-bit range.
std::optional<int16_t> convertScoreWindow(std::string_view window);

// The slots a record restores, in order, each read with the sign column before its window and
// raised to 0 when negative. count stops at the first window that is cut short or out of range;
// values past count are 0.
struct RestoredScores {
  std::array<int16_t, kRestoredSlotCount> values{};
  int count = 0;
  bool complete() const { return count == kRestoredSlotCount; }
};

// text is the start of the file; characters past the last window are not looked at.
RestoredScores readScoreRecord(std::string_view text);

// How many characters readScoreRecord looks at: 53.
constexpr int scoreRecordReadLength() {
  int sum = 0;
  for (int width : kScoreWindowWidths) sum += width;
  return sum;
}

}  // namespace quavix
