#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "core/note_model.h"
#include "core/window_layout.h"

namespace quavix::layout {
namespace {

bool isKey(const ControlSpec& c) { return c.name == kWhiteKeys || c.name == kBlackKeys; }

// A layout row as one line: place, colours, text and font.
std::string describe(const ControlSpec& c) {
  std::ostringstream s;
  if (!c.container.empty()) s << c.container << '/';
  s << c.name;
  if (c.index >= 0) s << '(' << c.index << ')';
  s << ' ' << c.rect.left << ',' << c.rect.top << ',' << c.rect.width << ',' << c.rect.height
    << std::hex << ' ' << c.background << ',' << c.foreground << std::dec;
  if (!c.text.empty()) s << " \"" << c.text << '"';
  if (c.font) s << ' ' << c.font->family << ' ' << c.font->points << ' ' << c.font->weight;
  return s.str();
}

// Top to bottom: where two controls overlap, the upper one is drawn over the other and takes
// the press. Keys go by runs of a name; all but Command1(0) lie over the band.
TEST(Layout, EveryControlInStackingOrder) {
  std::vector<std::string> rows;
  for (const ControlSpec& c : controlTable()) {
    const std::string row = isKey(c) ? std::string(c.name) : describe(c);
    if (rows.empty() || rows.back() != row) rows.push_back(row);
  }
  EXPECT_EQ(rows,
            (std::vector<std::string>{
                "Text2 3960,3120,4575,495 80ffff,0 \"点出音符对应的琴键\" 隶书 21.75 400",
                "Text1 1800,960,8655,1455 80ffff,0 \"  Quavix2.0版  \" 幼圆 48 700",
                "Command4 1680,5040,975,495 ff80ff,0 \"分数清零\"",
                "Command2",
                "Command1",
                "Frame2 2760,4920,2775,855 0,0",
                "Frame2/Option1(2) 1920,120,855,495 c000,0 \"混 合\"",
                "Frame2/Option1(1) 1080,120,855,495 c000,0 \"低音谱\"",
                "Frame2/Option1(0) 240,120,855,495 c000,0 \"高音谱\"",
                "Frame1 6720,4920,1695,855 0,0",
                "Frame1/Option2(1) 840,120,855,495 80ff,0 \"测试  模式\"",
                "Frame1/Option2(0) 0,120,855,495 80ff,0 \"学习  模式\"",
                "Command3 480,5040,975,495 ffff80,0",
                "Picture2 120,4800,11895,1095 0,0",
                "Picture2/Label2 8760,240,2775,495 0,ff 宋体 18 400",
                "Picture2/Label1 5600,240,375,735 0,ffffff \"  中   央        C \"",
                "Command1",
                "Picture1 3720,-1225,1190,1200 80000005,0",
                "Picture1/Image1(1) 360,315,480,480 0,0",
                "Picture1/Image1(0) 360,255,480,480 0,0",
            }));
  EXPECT_GT(&control(kWhiteKeys, 0), &control("Picture2"));
  EXPECT_EQ(controlTable().size(), 17u + kWhiteKeyCount + kBlackKeyCount);
}

// Left edges of Command2(0..22); each straddles the boundary 120 twips left of a white key.
constexpr int kBlackKeyLefts[kBlackKeyCount] = {1080, 1440, 2160,  2520,  2880,  3600,  3960, 4680,
                                                5040, 5400, 6120,  6480,  7200,  7560,  7920, 8640,
                                                9000, 9720, 10080, 10440, 11160, 11520, 360};

TEST(Keyboard, EveryKeyInItsPlaceAndColour) {
  for (int i = 0; i < kWhiteKeyCount; ++i) {
    const ControlSpec& c = control(kWhiteKeys, i);
    EXPECT_EQ(c.rect, (TwipRect{120 + 360 * i, 5880, 360, 1695})) << i;
    EXPECT_EQ(c.background, kWhite) << i;
  }
  for (int j = 0; j < kBlackKeyCount; ++j) {
    const ControlSpec& c = control(kBlackKeys, j);
    EXPECT_EQ(c.rect, (TwipRect{kBlackKeyLefts[j], 5880, 255, 1095})) << j;
    EXPECT_EQ(c.background, kBlack) << j;
  }
}

TEST(Keyboard, APressGoesToTheTopmostControlThere) {
  const std::tuple<const char*, int, int, std::optional<KeyRef>> hits[] = {
      {"left of the lowest black key", 359, 6000, KeyRef{false, 0}},
      {"its left edge, over Command1(0)", 360, 6000, KeyRef{true, 22}},
      {"its bottom-right twip, over Command1(1)", 614, 6974, KeyRef{true, 22}},
      {"a white key's top edge, over the band", 840, 5880, KeyRef{false, 2}},
      {"a black key's top edge, over the band", 479, 5894, KeyRef{true, 22}},
      {"the band, over Command1(0)", 120, 5894, std::nullopt},
      {"Command1(0) below the band", 120, 5895, KeyRef{false, 0}},
      {"the keyboard's last twip", 11999, 7574, KeyRef{false, 32}},
      {"right of the keyboard", 12000, 7000, std::nullopt},
  };
  for (const auto& [where, x, y, key] : hits) EXPECT_EQ(keyAt(x, y), key) << where;
}

}  // namespace
}  // namespace quavix::layout
