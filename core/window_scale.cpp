#include "core/window_scale.h"

#include <algorithm>
#include <cmath>

#include "core/window_layout.h"

namespace quavix::layout {

namespace {

// Floors, unlike integer division, so that a card above the window rounds like one in it.
int floorDiv(long long a, long long b) {
  return static_cast<int>(a / b - ((a % b != 0) && ((a < 0) != (b < 0))));
}

}  // namespace

int toPixels(int twips, int percent) {
  const long long unit = 100LL * kTwipsPerPixel;
  return floorDiv(2LL * twips * percent + unit, 2 * unit);
}

PixelRect toPixels(const TwipRect& twips, int percent) {
  const int left = toPixels(twips.left, percent);
  const int top = toPixels(twips.top, percent);
  return {left, top, toPixels(twips.right(), percent) - left,
          toPixels(twips.bottom(), percent) - top};
}

int toTwips(int pixels, int percent) {
  return floorDiv(2LL * pixels * 100 * kTwipsPerPixel + percent, 2LL * percent);
}

int scaledPixels(int pixels, int percent) {
  return std::max(1, floorDiv(2LL * pixels * percent + 100, 200));
}

int pointsToPixels(double points, int percent) {
  return static_cast<int>(std::lround(points * 96 / 72 * percent / 100));
}

int fitScale(int width, int height) {
  // From just above a first estimate down; rounding may cost a step or two.
  int percent = std::min(width * 100 * kTwipsPerPixel / kClientWidth,
                         height * 100 * kTwipsPerPixel / kClientHeight) +
                1;
  const auto fits = [&] {
    return toPixels(kClientWidth, percent) <= width && toPixels(kClientHeight, percent) <= height;
  };
  while (percent > kSmallestScale && !fits()) --percent;
  return std::max(percent, kSmallestScale);
}

}  // namespace quavix::layout
