#include "core/fluency.h"

#include <algorithm>

namespace quavix {

Fluency fluencyOf(uint32_t right, uint32_t wrong, uint32_t missed, int64_t playMilliseconds) {
  Fluency fluency;
  fluency.attempts = right + wrong + missed;
  if (fluency.attempts > 0) fluency.accuracy = static_cast<double>(right) / fluency.attempts;
  if (playMilliseconds > 0) fluency.notesPerMinute = right * 60'000.0 / playMilliseconds;
  return fluency;
}

int64_t medianOf(std::vector<int64_t> values) {
  if (values.empty()) return 0;
  const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
  std::nth_element(values.begin(), middle, values.end());
  if (values.size() % 2 == 1) return *middle;
  const int64_t below = *std::max_element(values.begin(), middle);
  return (below + *middle) / 2;
}

}  // namespace quavix
