#pragma once

#include <cstdint>
#include <vector>

namespace quavix {

// A fluency figure means something only over this many attempts, as teachers score their runs.
constexpr uint32_t kFewestScoredAttempts = 15;

// How fluently a stretch of play named its notes.
struct Fluency {
  double notesPerMinute = 0;  // right answers per minute of play
  double accuracy = 0;        // right answers among answers and misses, 0 to 1
  uint32_t attempts = 0;
  bool scored() const { return attempts >= kFewestScoredAttempts; }
  bool operator==(const Fluency&) const = default;
};

Fluency fluencyOf(uint32_t right, uint32_t wrong, uint32_t missed, int64_t playMilliseconds);
// The middle value, or the mean of the middle two; 0 for none.
int64_t medianOf(std::vector<int64_t> values);

}  // namespace quavix
