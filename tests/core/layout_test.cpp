#include <gtest/gtest.h>

#include <optional>

#include "core/window_layout.h"

namespace quavix::layout {
namespace {

constexpr KeyRef white(int index) { return {.black = false, .index = index}; }
constexpr KeyRef black(int index) { return {.black = true, .index = index}; }

// Where two controls overlap, the upper one takes the press: the black keys lie over the white
// ones, and all keys but Command1(0) over the band.
TEST(Keyboard, APressGoesToTheTopmostControlThere) {
  struct Hit {
    const char* where;
    int x, y;
    std::optional<KeyRef> key;
  };
  const Hit hits[] = {
      {.where = "left of the lowest black key", .x = 359, .y = 6000, .key = white(0)},
      {.where = "its left edge, over Command1(0)", .x = 360, .y = 6000, .key = black(22)},
      {.where = "its bottom-right twip, over Command1(1)", .x = 614, .y = 6974, .key = black(22)},
      {.where = "a white key's top edge, over the band", .x = 840, .y = 5880, .key = white(2)},
      {.where = "a black key's top edge, over the band", .x = 479, .y = 5894, .key = black(22)},
      {.where = "the band, over Command1(0)", .x = 120, .y = 5894, .key = std::nullopt},
      {.where = "Command1(0) below the band", .x = 120, .y = 5895, .key = white(0)},
      {.where = "the keyboard's last twip", .x = 11999, .y = 7574, .key = white(32)},
      {.where = "right of the keyboard", .x = 12000, .y = 7000, .key = std::nullopt},
  };
  for (const Hit& hit : hits) EXPECT_EQ(keyAt(hit.x, hit.y), hit.key) << hit.where;
}

}  // namespace
}  // namespace quavix::layout
