#include "ui/viridis.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quavix {

QColor viridis(double t) {
  // The palette at ninths of its range; straight lines between them stay within a step of it.
  static constexpr std::array<std::array<int, 3>, 9> kStops = {{{68, 1, 84},
                                                                {72, 40, 120},
                                                                {62, 74, 137},
                                                                {49, 104, 142},
                                                                {38, 130, 142},
                                                                {31, 158, 137},
                                                                {53, 183, 121},
                                                                {109, 205, 89},
                                                                {253, 231, 37}}};
  const double x = std::clamp(t, 0.0, 1.0) * (kStops.size() - 1);
  const size_t low = std::min(static_cast<size_t>(x), kStops.size() - 2);
  const double f = x - static_cast<double>(low);
  auto channel = [&](int c) {
    return static_cast<int>(
        std::lround(kStops[low][c] + f * (kStops[low + 1][c] - kStops[low][c])));
  };
  return QColor(channel(0), channel(1), channel(2));
}

}  // namespace quavix
