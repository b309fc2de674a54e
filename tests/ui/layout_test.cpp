#include "ui/layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "game/note_model.h"

namespace quavix::layout {
namespace {

using ::testing::TestWithParam;
using ::testing::ValuesIn;

size_t stackPosition(std::string_view name, int index = -1) {
  const auto table = controlTable();
  return static_cast<size_t>(&control(name, index) - table.data());
}

struct Row {
  std::string name;
  int index;
  std::string container;
  TwipRect rect;
  Colour background, foreground;
  std::string text;
  bool enabled, visible, selected;
};

constexpr Colour kWin = kWindowBackground, kText = kSystemWindowText, kBtn = kSystemButtonText;
const Row kRows[] = {
    {"Text2", -1, "", {3960, 3120, 4575, 495}, kWin, kText, "点出音符对应的琴键", 1, 1, 0},
    {"Text1", -1, "", {1800, 960, 8655, 1455}, kWin, kText, "  Quavix2.0版  ", 1, 1, 0},
    {"Command4", -1, "", {1680, 5040, 975, 495}, 0x00FF80FF, kBtn, "分数清零", 0, 1, 0},
    {"Frame2", -1, "", {2760, 4920, 2775, 855}, 0, 0, "", 1, 1, 0},
    {"Option1", 2, "Frame2", {1920, 120, 855, 495}, 0x0000C000, kBtn, "混 合", 1, 1, 0},
    {"Option1", 1, "Frame2", {1080, 120, 855, 495}, 0x0000C000, kBtn, "低音谱", 1, 1, 0},
    {"Option1", 0, "Frame2", {240, 120, 855, 495}, 0x0000C000, kBtn, "高音谱", 1, 1, 1},
    {"Frame1", -1, "", {6720, 4920, 1695, 855}, 0, 0, "", 1, 1, 0},
    {"Option2", 1, "Frame1", {840, 120, 855, 495}, 0x000080FF, kBtn, "测试  模式", 1, 1, 0},
    {"Option2", 0, "Frame1", {0, 120, 855, 495}, 0x000080FF, kBtn, "学习  模式", 1, 1, 1},
    {"Command3", -1, "", {480, 5040, 975, 495}, 0x00FFFF80, kBtn, "游戏开始", 1, 1, 0},
    {"Picture2", -1, "", {120, 4800, 11895, 1095}, 0, 0, "", 1, 1, 0},
    {"Label2", -1, "Picture2", {8760, 240, 2775, 495}, 0, 0x0000FF, "", 1, 1, 0},
    {"Label1", -1, "Picture2", {5600, 240, 375, 735}, 0, 0xFFFFFF, "  中   央        C ", 1, 0, 0},
    {"Command1", 0, "", {120, 5880, 360, 1695}, 0xFFFFFF, 0, "", 1, 1, 0},
    {"Picture1", -1, "", {3720, -1225, 1190, 1200}, kSystemWindowBackground, kText, "", 1, 1, 0},
    {"Image1", 1, "Picture1", {360, 315, 480, 480}, 0, 0, "", 1, 1, 0},
    {"Image1", 0, "Picture1", {360, 255, 480, 480}, 0, 0, "", 1, 1, 0},
};

class ControlRow : public TestWithParam<Row> {};

TEST_P(ControlRow, MatchesTheLayout) {
  const Row& row = GetParam();
  const ControlSpec& c = control(row.name, row.index);
  EXPECT_EQ(c.container, row.container);
  EXPECT_EQ(c.rect, row.rect);
  EXPECT_EQ(c.background, row.background);
  EXPECT_EQ(c.foreground, row.foreground);
  EXPECT_EQ(c.text, row.text);
  EXPECT_EQ(c.enabled, row.enabled);
  EXPECT_EQ(c.visible, row.visible);
  EXPECT_EQ(c.selected, row.selected);
}

INSTANTIATE_TEST_SUITE_P(Layout, ControlRow, ValuesIn(kRows));

TEST(Layout, EveryControlOnceAndThreeFontsOfTheirOwn) {
  EXPECT_EQ(controlTable().size(), 17u + kWhiteKeyCount + kBlackKeyCount);
  EXPECT_THROW(control("Command1", 33), std::out_of_range);
  int fonts = 0;
  for (const ControlSpec& c : controlTable()) fonts += c.font.has_value();
  EXPECT_EQ(fonts, 3);
  const FontSpec text2 = *control("Text2").font, text1 = *control("Text1").font,
                 label2 = *control("Label2").font;
  EXPECT_EQ(std::tie(text2.family, text2.points, text2.weight),
            std::make_tuple("隶书", 21.75, 400));
  EXPECT_EQ(std::tie(text1.family, text1.points, text1.weight), std::make_tuple("幼圆", 48.0, 700));
  EXPECT_EQ(std::tie(label2.family, label2.points, label2.weight),
            std::make_tuple("宋体", 18.0, 400));
}

TEST(Layout, PixelScale) {
  EXPECT_EQ(toPixels(kClientWidth), 812);
  EXPECT_EQ(toPixels(kClientHeight), 522);
  EXPECT_EQ(toPixels(-1225), -82);
  EXPECT_EQ(toPixels(1190), 79);
  EXPECT_EQ(pointsToPixels(48), 64);
  EXPECT_EQ(pointsToPixels(21.75), 29);
}

// The widgets open as the model that the handlers start from says.
TEST(Layout, InitialStatesAgreeWithTheControlsModel) {
  const Controls model = initialControls();
  EXPECT_EQ(control("Command4").enabled, model.command4Enabled);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(control("Option1", i).selected, model.option1Selected[i]);
  for (int i = 0; i < 2; ++i) EXPECT_EQ(control("Option2", i).selected, model.option2Selected[i]);
  EXPECT_EQ(control("Label1").visible, model.label1Visible);
  EXPECT_EQ(control("Picture1").rect.top, model.picture1.top);
  for (int i = 0; i < 2; ++i) EXPECT_EQ(control("Image1", i).rect.top, model.image1[i].top);
  for (int i = 0; i < kWhiteKeyCount; ++i) {
    EXPECT_EQ(control("Command1", i).background, model.whiteKeyColours[i]);
  }
}

TEST(Keyboard, WhiteKeysStandSideBySide) {
  for (auto [index, left] : {std::pair{0, 120}, {16, 5880}, {32, 11640}}) {
    EXPECT_EQ(whiteKeyRect(index), (TwipRect{left, 5880, 360, 1695})) << index;
  }
  for (int i = 0; i + 1 < kWhiteKeyCount; ++i) {
    EXPECT_EQ(whiteKeyRect(i).right(), whiteKeyRect(i + 1).left);
  }
}

// Black key index, left edge and k, the white key to its right.
const std::array<int, 3> kBlackKeyRows[] = {
    {22, 360, 1},    {0, 1080, 3},    {1, 1440, 4},   {2, 2160, 6},   {3, 2520, 7},
    {4, 2880, 8},    {5, 3600, 10},   {6, 3960, 11},  {7, 4680, 13},  {8, 5040, 14},
    {9, 5400, 15},   {10, 6120, 17},  {11, 6480, 18}, {12, 7200, 20}, {13, 7560, 21},
    {14, 7920, 22},  {15, 8640, 24},  {16, 9000, 25}, {17, 9720, 27}, {18, 10080, 28},
    {19, 10440, 29}, {20, 11160, 31}, {21, 11520, 32}};

class BlackKey : public TestWithParam<std::array<int, 3>> {};

TEST_P(BlackKey, StraddlesTheBoundaryLeftOfItsWhiteKey) {
  const auto [index, left, k] = GetParam();
  EXPECT_EQ(blackKeyRect(index), (TwipRect{left, 5880, 255, 1095}));
  EXPECT_EQ(left, whiteKeyRect(k).left - 120);
}

INSTANTIATE_TEST_SUITE_P(Keyboard, BlackKey, ValuesIn(kBlackKeyRows));

// Left to right, the 56 keys climb one semitone at a time from A1 to E6.
TEST(Keyboard, PitchesRiseFromLeftToRight) {
  std::vector<std::pair<int, int>> keys;  // centre, MIDI note
  for (int i = 0; i < kWhiteKeyCount; ++i) {
    keys.emplace_back(whiteKeyRect(i).left + 180, kMidiBaseNote + kWhiteKeyOffsets[i]);
  }
  for (int j = 0; j < kBlackKeyCount; ++j) {
    keys.emplace_back(blackKeyRect(j).left + 120, kMidiBaseNote + kBlackKeyOffsets[j]);
  }
  std::sort(keys.begin(), keys.end());
  for (size_t n = 0; n < keys.size(); ++n) EXPECT_EQ(keys[n].second, 33 + static_cast<int>(n));
}

TEST(Stacking, KeysBandAndCard) {
  const size_t band = stackPosition("Picture2");
  EXPECT_LT(stackPosition("Command2", 0), stackPosition("Command1", 1));
  EXPECT_LT(stackPosition("Command1", 32), band);
  EXPECT_GT(stackPosition("Command1", 0), band);
  EXPECT_LT(stackPosition("Frame2"), band);
  EXPECT_LT(stackPosition("Command3"), band);
  for (const ControlSpec& c : controlTable()) {
    if (c.container.empty()) {
      EXPECT_LE(stackPosition(c.name, c.index), stackPosition("Picture1"));
    }
  }
}

struct Hit {
  int x, y;
  std::optional<KeyRef> key;
};

const Hit kHits[] = {
    {359, 6000, KeyRef{false, 0}},    // just left of the lowest black key
    {360, 6000, KeyRef{true, 22}},    // its left edge, over Command1(0)
    {480, 6000, KeyRef{true, 22}},    // over Command1(1)
    {614, 6974, KeyRef{true, 22}},    // its bottom-right corner
    {615, 6000, KeyRef{false, 1}},    // right of it
    {500, 6975, KeyRef{false, 1}},    // below it
    {5520, 6500, KeyRef{true, 9}},    // A#3 over B3
    {5655, 6500, KeyRef{false, 15}},  // B3
    {5880, 6000, KeyRef{false, 16}},  // no black key between B3 and middle C
    {840, 5880, KeyRef{false, 2}},    // white keys 1 to 32 lie over the band's bottom edge
    {479, 5894, KeyRef{true, 22}},    // and so do the black keys
    {120, 5880, std::nullopt},        // Command1(0) lies under it
    {120, 5895, KeyRef{false, 0}},    // below the band
    {11775, 6000, KeyRef{false, 32}}, {11999, 7574, KeyRef{false, 32}},  // the keyboard's last twip
    {12000, 7000, std::nullopt},      {500, 7575, std::nullopt},
    {1700, 5100, std::nullopt},  // Command4 is no key
};

class HitTest : public TestWithParam<Hit> {};

TEST_P(HitTest, GoesToTheTopmostControl) {
  const Hit& hit = GetParam();
  EXPECT_EQ(keyAt(hit.x, hit.y), hit.key) << hit.x << "," << hit.y;
}

INSTANTIATE_TEST_SUITE_P(Stacking, HitTest, ValuesIn(kHits));

}  // namespace
}  // namespace quavix::layout
