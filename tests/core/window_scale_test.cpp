#include "core/window_scale.h"

#include <gtest/gtest.h>

#include "core/window_layout.h"

namespace quavix::layout {
namespace {

// At every size each control's edges lie within half a pixel of the exact product, so controls
// side by side stay side by side; the middle of a pixel at 100 % still finds its key at any size.
TEST(WindowScale, EdgesFollowTheSizeAndPressesFindTheirKeys) {
  for (int percent : {100, 125, 137, 150, 200, 250, 300, 412}) {
    const double perTwip = percent / 1500.0;
    for (const ControlSpec& c : controlTable()) {
      const PixelRect r = toPixels(c.rect, percent);
      EXPECT_NEAR(r.left, c.rect.left * perTwip, 0.5) << c.name << c.index << " at " << percent;
      EXPECT_NEAR(r.top, c.rect.top * perTwip, 0.5) << c.name << c.index << " at " << percent;
      EXPECT_NEAR(r.right(), c.rect.right() * perTwip, 0.5) << c.name << c.index;
      EXPECT_NEAR(r.bottom(), c.rect.bottom() * perTwip, 0.5) << c.name << c.index;
    }
    for (int y : {400, 500}) {
      for (int x = 0; x < 812; ++x) {
        const int scaledX = (2 * x + 1) * percent / 200, scaledY = (2 * y + 1) * percent / 200;
        ASSERT_EQ(keyAt(scaledX, scaledY, percent), keyAt(x, y, kNormalScale)) << x << "," << y;
      }
    }
  }
}

// The largest whole percentage whose window fits; never less than the layout's own size.
TEST(WindowScale, FitScreen) {
  const struct {
    int width, height, percent;
  } cases[] = {{812, 522, 100},   {800, 600, 100},   {1623, 1044, 199}, {1624, 1044, 200},
               {1920, 1080, 206}, {3840, 2160, 413}, {10, 10, 100}};
  for (const auto& c : cases) {
    EXPECT_EQ(fitScale(c.width, c.height), c.percent) << c.width << "x" << c.height;
  }
}

}  // namespace
}  // namespace quavix::layout
