#include "ui/layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/controls.h"
#include "game/note_model.h"

namespace quavix::layout {
namespace {

using ::testing::TestWithParam;
using ::testing::ValuesIn;

size_t stackPosition(std::string_view name, int index = -1) {
  const auto table = controlTable();
  const auto it = std::find_if(table.begin(), table.end(), [&](const ControlSpec& c) {
    return c.name == name && c.index == index;
  });
  return static_cast<size_t>(it - table.begin());
}

// ---- The controls, row by row --------------------------------------------------------------

struct Row {
  std::string name;
  int index;
  std::string container;
  TwipRect rect;
  Colour background;
  std::string text;
  bool enabled;
  bool visible;
  bool selected;
};

const Row kRows[] = {
    {"Text2", -1, "", {3960, 3120, 4575, 495}, 0x0080FFFF, "点出音符对应的琴键", true, true, false},
    {"Text1", -1, "", {1800, 960, 8655, 1455}, 0x0080FFFF, "  Quavix2.0版  ", true, true, false},
    {"Command4", -1, "", {1680, 5040, 975, 495}, 0x00FF80FF, "分数清零", false, true, false},
    {"Frame2", -1, "", {2760, 4920, 2775, 855}, 0, "", true, true, false},
    {"Option1", 2, "Frame2", {1920, 120, 855, 495}, 0x0000C000, "混 合", true, true, false},
    {"Option1", 1, "Frame2", {1080, 120, 855, 495}, 0x0000C000, "低音谱", true, true, false},
    {"Option1", 0, "Frame2", {240, 120, 855, 495}, 0x0000C000, "高音谱", true, true, true},
    {"Frame1", -1, "", {6720, 4920, 1695, 855}, 0, "", true, true, false},
    {"Option2", 1, "Frame1", {840, 120, 855, 495}, 0x000080FF, "测试  模式", true, true, false},
    {"Option2", 0, "Frame1", {0, 120, 855, 495}, 0x000080FF, "学习  模式", true, true, true},
    {"Command3", -1, "", {480, 5040, 975, 495}, 0x00FFFF80, "游戏开始", true, true, false},
    {"Picture2", -1, "", {120, 4800, 11895, 1095}, 0, "", true, true, false},
    {"Label2", -1, "Picture2", {8760, 240, 2775, 495}, 0, "", true, true, false},
    {"Label1", -1, "Picture2", {5600, 240, 375, 735}, 0, "  中   央        C ", true, false, false},
    {"Command1", 0, "", {120, 5880, 360, 1695}, 0xFFFFFF, "", true, true, false},
    {"Picture1", -1, "", {3720, -1225, 1190, 1200}, kSystemWindowBackground, "", true, true, false},
    {"Image1", 1, "Picture1", {360, 315, 480, 480}, 0, "", true, true, false},
    {"Image1", 0, "Picture1", {360, 255, 480, 480}, 0, "", true, true, false},
};

class ControlRow : public TestWithParam<Row> {};

TEST_P(ControlRow, MatchesTheLayout) {
  const Row& row = GetParam();
  const ControlSpec& c = control(row.name, row.index);
  EXPECT_EQ(c.container, row.container);
  EXPECT_EQ(c.rect, row.rect);
  EXPECT_EQ(c.background, row.background);
  EXPECT_EQ(c.text, row.text);
  EXPECT_EQ(c.enabled, row.enabled);
  EXPECT_EQ(c.visible, row.visible);
  EXPECT_EQ(c.selected, row.selected);
}

INSTANTIATE_TEST_SUITE_P(Layout, ControlRow, ValuesIn(kRows));

TEST(Layout, TextColours) {
  EXPECT_EQ(control("Label2").foreground, 0x000000FFu);
  EXPECT_EQ(control("Label1").foreground, 0x00FFFFFFu);
  EXPECT_EQ(control("Picture1").foreground, kSystemWindowText);
}

TEST(Layout, TheTableHoldsEveryControlOnce) {
  EXPECT_EQ(controlTable().size(), 17u + kWhiteKeyCount + kBlackKeyCount);
  for (const ControlSpec& c : controlTable()) {
    EXPECT_EQ(&control(c.name, c.index), &c) << c.name << "(" << c.index << ")";
  }
  EXPECT_THROW(control("Command1", 33), std::out_of_range);
  EXPECT_THROW(control("Command5"), std::out_of_range);
}

struct FontRow {
  std::string name;
  std::string family;
  double points;
  int weight;
};

TEST(Layout, FontsOfTheirOwn) {
  const FontRow rows[] = {
      {"Text2", "隶书", 21.75, 400}, {"Text1", "幼圆", 48, 700}, {"Label2", "宋体", 18, 400}};
  for (const FontRow& row : rows) {
    const auto& font = control(row.name).font;
    ASSERT_TRUE(font.has_value()) << row.name;
    EXPECT_EQ(font->family, row.family);
    EXPECT_EQ(font->points, row.points);
    EXPECT_EQ(font->weight, row.weight);
  }
  for (const char* name : {"Command3", "Command4", "Label1"}) {
    EXPECT_FALSE(control(name).font.has_value()) << name;
  }
  EXPECT_FALSE(control("Option2", 0).font.has_value());
}

TEST(Layout, WindowAndPixelScale) {
  EXPECT_EQ(kWindowCaption, "Quavix");
  EXPECT_EQ(kWindowBackground, 0x0080FFFFu);
  EXPECT_EQ(toPixels(kClientWidth), 812);
  EXPECT_EQ(toPixels(kClientHeight), 522);
  EXPECT_EQ(toPixels(-1225), -82);
  EXPECT_EQ(toPixels(1190), 79);
  EXPECT_EQ(toPixels(5600), 373);
  EXPECT_EQ(pointsToPixels(48), 64);
  EXPECT_EQ(pointsToPixels(21.75), 29);
  EXPECT_EQ(pointsToPixels(18), 24);
}

// The controls as the window opens agree with the model the handlers start from.
TEST(Layout, InitialStatesAgreeWithTheControlsModel) {
  const Controls model = initialControls();
  EXPECT_EQ(control("Command3").text, model.command3Caption);
  EXPECT_EQ(control("Command4").enabled, model.command4Enabled);
  EXPECT_EQ(control("Frame1").enabled, model.frame1Enabled);
  EXPECT_EQ(control("Frame2").enabled, model.frame2Enabled);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(control("Option1", i).selected, model.option1Selected[i]);
  for (int i = 0; i < 2; ++i) EXPECT_EQ(control("Option2", i).selected, model.option2Selected[i]);
  EXPECT_EQ(control("Text1").visible, model.text1Visible);
  EXPECT_EQ(control("Text2").visible, model.text2Visible);
  EXPECT_EQ(control("Label1").visible, model.label1Visible);
  EXPECT_EQ(control("Label2").text, model.label2Caption);
  EXPECT_EQ(control("Picture1").rect.left, model.picture1.left);
  EXPECT_EQ(control("Picture1").rect.top, model.picture1.top);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(control("Image1", i).rect.left, model.image1[i].left);
    EXPECT_EQ(control("Image1", i).rect.top, model.image1[i].top);
  }
  for (int i = 0; i < kWhiteKeyCount; ++i) {
    EXPECT_EQ(control("Command1", i).background, model.whiteKeyColours[i]);
  }
}

// ---- The keyboard --------------------------------------------------------------------------

TEST(Keyboard, WhiteKeysStandSideBySide) {
  const std::pair<int, int> rows[] = {{0, 120}, {1, 480}, {16, 5880}, {31, 11280}, {32, 11640}};
  for (auto [index, left] : rows) {
    EXPECT_EQ(whiteKeyRect(index), (TwipRect{left, 5880, 360, 1695})) << index;
  }
  for (int i = 0; i + 1 < kWhiteKeyCount; ++i) {
    EXPECT_EQ(whiteKeyRect(i).right(), whiteKeyRect(i + 1).left);
  }
  EXPECT_EQ(whiteKeyRect(32).right(), 12000);
  EXPECT_EQ(whiteKeyRect(0).bottom(), 7575);
}

struct BlackKeyRow {
  int index;
  int left;
  int rightWhiteKey;  // k
};

const BlackKeyRow kBlackKeyRows[] = {
    {22, 360, 1},    {0, 1080, 3},    {1, 1440, 4},    {2, 2160, 6},   {3, 2520, 7},
    {4, 2880, 8},    {5, 3600, 10},   {6, 3960, 11},   {7, 4680, 13},  {8, 5040, 14},
    {9, 5400, 15},   {10, 6120, 17},  {11, 6480, 18},  {12, 7200, 20}, {13, 7560, 21},
    {14, 7920, 22},  {15, 8640, 24},  {16, 9000, 25},  {17, 9720, 27}, {18, 10080, 28},
    {19, 10440, 29}, {20, 11160, 31}, {21, 11520, 32},
};

class BlackKey : public TestWithParam<BlackKeyRow> {};

TEST_P(BlackKey, StraddlesTheBoundaryLeftOfItsWhiteKey) {
  const BlackKeyRow& row = GetParam();
  const TwipRect r = blackKeyRect(row.index);
  EXPECT_EQ(r, (TwipRect{row.left, 5880, 255, 1095}));
  const int boundary = whiteKeyRect(row.rightWhiteKey).left;
  EXPECT_EQ(r.left, boundary - 120);
  EXPECT_EQ(r.right(), boundary + 135);
  EXPECT_EQ(r.bottom(), 6975);
}

INSTANTIATE_TEST_SUITE_P(Keyboard, BlackKey, ValuesIn(kBlackKeyRows));

TEST(Keyboard, BlackKeysFollowThePianosGroupsOfTwoAndThree) {
  const int gaps[] = {2, 5, 9, 12, 16, 19, 23, 26, 30};
  for (int k : gaps) {
    const int boundary = whiteKeyRect(k).left;
    for (int j = 0; j < kBlackKeyCount; ++j) {
      const TwipRect r = blackKeyRect(j);
      EXPECT_FALSE(r.left < boundary && boundary < r.right()) << "Command2(" << j << ") at " << k;
    }
  }
  for (int j = 0; j < kBlackKeyCount; ++j) EXPECT_LT(blackKeyRect(j).right(), 12000);
}

// Left to right, the 56 keys climb one semitone at a time from A1 to E6.
TEST(Keyboard, PitchesRiseFromLeftToRight) {
  struct Placed {
    int centre;
    int pitch;
  };
  std::vector<Placed> keys;
  for (int i = 0; i < kWhiteKeyCount; ++i) {
    keys.push_back({whiteKeyRect(i).left + 180, kMidiBaseNote + kWhiteKeyOffsets[i]});
  }
  for (int j = 0; j < kBlackKeyCount; ++j) {
    const TwipRect r = blackKeyRect(j);
    keys.push_back({r.left + 120, kMidiBaseNote + kBlackKeyOffsets[j]});
  }
  std::sort(keys.begin(), keys.end(),
            [](const Placed& a, const Placed& b) { return a.centre < b.centre; });
  for (size_t n = 0; n < keys.size(); ++n) EXPECT_EQ(keys[n].pitch, 33 + static_cast<int>(n));
}

// ---- Stacking and hit-testing --------------------------------------------------------------

TEST(Stacking, BlackKeysLieAboveWhiteKeysAndTheBandBelowItsButtons) {
  const size_t band = stackPosition("Picture2");
  for (int j = 0; j < kBlackKeyCount; ++j) {
    EXPECT_LT(stackPosition("Command2", j), stackPosition("Command1", 1));
  }
  for (int i = 1; i < kWhiteKeyCount; ++i) EXPECT_LT(stackPosition("Command1", i), band);
  EXPECT_GT(stackPosition("Command1", 0), band);
  for (const char* above : {"Frame1", "Frame2", "Command3", "Command4"}) {
    EXPECT_LT(stackPosition(above), band) << above;
  }
}

TEST(Stacking, TheCardLiesBelowEverythingInTheWindow) {
  const size_t card = stackPosition("Picture1");
  for (const ControlSpec& c : controlTable()) {
    if (c.container.empty() && c.name != "Picture1") {
      EXPECT_LT(stackPosition(c.name, c.index), card) << c.name << "(" << c.index << ")";
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
    {479, 6000, KeyRef{true, 22}},    // still over Command1(0)
    {480, 6000, KeyRef{true, 22}},    // over Command1(1)
    {614, 6974, KeyRef{true, 22}},    // its bottom-right corner
    {615, 6000, KeyRef{false, 1}},    // right of it
    {500, 6975, KeyRef{false, 1}},    // below it
    {5399, 6500, KeyRef{false, 14}},  // A3
    {5400, 6500, KeyRef{true, 9}},    // A#3 over A3
    {5520, 6500, KeyRef{true, 9}},    // A#3 over B3
    {5655, 6500, KeyRef{false, 15}},  // B3
    {5879, 6000, KeyRef{false, 15}},  // no black key between B3 and middle C
    {5880, 6000, KeyRef{false, 16}},  //
    {840, 5880, KeyRef{false, 2}},    // white keys 1 to 32 lie over the band's bottom edge
    {120, 5880, std::nullopt},        // Command1(0) lies under it
    {359, 5894, std::nullopt},
    {479, 5894, KeyRef{true, 22}},     // black keys lie over the band too
    {120, 5895, KeyRef{false, 0}},     // below the band
    {11774, 6000, KeyRef{true, 21}},   // the highest black key
    {11775, 6000, KeyRef{false, 32}},  //
    {11999, 7574, KeyRef{false, 32}},  // the keyboard's last twip
    {12000, 7000, std::nullopt},       // right of the keyboard
    {119, 7000, std::nullopt},         // left of it
    {500, 7575, std::nullopt},         // below it
    {1700, 5100, std::nullopt},        // Command4 is no key
};

class HitTest : public TestWithParam<Hit> {};

TEST_P(HitTest, GoesToTheTopmostControl) {
  const Hit& hit = GetParam();
  EXPECT_EQ(keyAt(hit.x, hit.y), hit.key) << hit.x << "," << hit.y;
}

INSTANTIATE_TEST_SUITE_P(Stacking, HitTest, ValuesIn(kHits));

}  // namespace
}  // namespace quavix::layout
