#include "core/window_layout.h"

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/state.h"
#include "core/translatable.h"

namespace quavix::layout {

namespace {

constexpr int kKeyTop = 5880;
constexpr int kWhiteKeyWidth = 360;
constexpr int kWhiteKeyHeight = 1695;
constexpr int kBlackKeyWidth = 255;
constexpr int kBlackKeyHeight = 1095;
constexpr int kKeyboardLeft = 120;

// Left edge of each black key, by index. Each sits at 360 * k, where k is the white key to its
// right; Command2(22), the lowest, comes last.
constexpr std::array<int, kBlackKeyCount> kBlackKeyLefts = {
    1080, 1440, 2160, 2520, 2880, 3600, 3960,  4680,  5040,  5400,  6120, 6480,
    7200, 7560, 7920, 8640, 9000, 9720, 10080, 10440, 11160, 11520, 360};

constexpr std::string_view kInformationLine = QUAVIX_TEXT("Velmora", "点出音符对应的琴键");

ControlSpec row(Kind kind, std::string_view name, int index, std::string_view container,
                TwipRect rect) {
  ControlSpec s;
  s.kind = kind;
  s.name = name;
  s.index = index;
  s.container = container;
  s.rect = rect;
  return s;
}

ControlSpec key(bool black, int index) {
  ControlSpec s = row(Kind::PushButton, black ? kBlackKeys : kWhiteKeys, index, {},
                      black ? blackKeyRect(index) : whiteKeyRect(index));
  s.background = black ? kBlack : kWhite;
  return s;
}

ControlSpec textBox(std::string_view name, TwipRect rect, std::string_view text, FontSpec font) {
  ControlSpec s = row(Kind::TextBox, name, -1, {}, rect);
  s.background = kWindowBackground;
  s.foreground = kBlack;
  s.text = text;
  s.font = font;
  return s;
}

ControlSpec button(std::string_view name, TwipRect rect, Colour background, std::string_view text) {
  ControlSpec s = row(Kind::PushButton, name, -1, {}, rect);
  s.background = background;
  s.foreground = kBlack;
  s.text = text;
  return s;
}

ControlSpec option(std::string_view name, int index, std::string_view frame, int left,
                   Colour background, std::string_view text) {
  ControlSpec s = row(Kind::OptionButton, name, index, frame, {left, 120, 855, 495});
  s.background = background;
  s.foreground = kBlack;
  s.text = text;
  return s;
}

ControlSpec label(std::string_view name, TwipRect rect, Colour foreground) {
  ControlSpec s = row(Kind::Label, name, -1, "Picture2", rect);
  s.foreground = foreground;
  return s;
}

std::vector<ControlSpec> buildTable() {
  constexpr Colour kGreen = 0x0000C000;
  constexpr Colour kOrange = 0x000080FF;
  std::vector<ControlSpec> t;
  t.push_back(textBox("Text2", {3960, 3120, 4575, 495}, kInformationLine, {"隶书", 21.75, 400}));
  t.push_back(textBox("Text1", {1800, 960, 8655, 1455}, QUAVIX_TEXT("Velmora", "  Quavix2.0版  "),
                      {"幼圆", 48, 700}));
  t.push_back(
      button("Command4", {1680, 5040, 975, 495}, 0x00FF80FF, QUAVIX_TEXT("Velmora", "分数清零")));
  for (int j = 0; j < kBlackKeyCount; ++j) t.push_back(key(true, j));
  for (int i = 1; i < kWhiteKeyCount; ++i) t.push_back(key(false, i));
  t.push_back(row(Kind::GroupBox, "Frame2", -1, {}, {2760, 4920, 2775, 855}));
  t.push_back(option("Option1", 2, "Frame2", 1920, kGreen, QUAVIX_TEXT("Velmora", "混 合")));
  t.push_back(option("Option1", 1, "Frame2", 1080, kGreen, QUAVIX_TEXT("Velmora", "低音谱")));
  t.push_back(option("Option1", 0, "Frame2", 240, kGreen, QUAVIX_TEXT("Velmora", "高音谱")));
  t.push_back(row(Kind::GroupBox, "Frame1", -1, {}, {6720, 4920, 1695, 855}));
  t.push_back(option("Option2", 1, "Frame1", 840, kOrange, QUAVIX_TEXT("Velmora", "测试  模式")));
  t.push_back(option("Option2", 0, "Frame1", 0, kOrange, QUAVIX_TEXT("Velmora", "学习  模式")));
  // Its caption is the game's running state, so the controls model writes it.
  t.push_back(button("Command3", {480, 5040, 975, 495}, 0x00FFFF80, {}));
  t.push_back(row(Kind::PictureBox, "Picture2", -1, {}, {120, 4800, 11895, 1095}));
  ControlSpec score = label("Label2", {8760, 240, 2775, 495}, kRed);
  score.font = FontSpec{"宋体", 18, 400};
  t.push_back(score);
  ControlSpec middleC = label("Label1", {5600, 240, 375, 735}, kWhite);
  middleC.text = QUAVIX_TEXT("Velmora", "  中   央        C ");
  t.push_back(middleC);
  t.push_back(key(false, 0));
  ControlSpec card = row(Kind::PictureBox, "Picture1", -1, {}, {3720, -1225, 1190, 1200});
  card.background = kSystemWindowBackground;
  card.foreground = kBlack;
  t.push_back(card);
  t.push_back(row(Kind::Image, "Image1", 1, "Picture1", {360, 315, 480, 480}));
  t.push_back(row(Kind::Image, "Image1", 0, "Picture1", {360, 255, 480, 480}));
  return t;
}

}  // namespace

std::span<const ControlSpec> controlTable() {
  static const std::vector<ControlSpec> table = buildTable();
  return table;
}

const ControlSpec& control(std::string_view name, int index) {
  for (const ControlSpec& c : controlTable()) {
    if (c.name == name && c.index == index) return c;
  }
  throw std::out_of_range("no control " + std::string(name) + "(" + std::to_string(index) + ")");
}

TwipRect whiteKeyRect(int index) {
  return {kKeyboardLeft + kWhiteKeyWidth * index, kKeyTop, kWhiteKeyWidth, kWhiteKeyHeight};
}

TwipRect blackKeyRect(int index) {
  return {kBlackKeyLefts.at(index), kKeyTop, kBlackKeyWidth, kBlackKeyHeight};
}

std::optional<KeyRef> keyAt(int x, int y, int percent) {
  for (const ControlSpec& c : controlTable()) {
    if (!c.container.empty() || !toPixels(c.rect, percent).contains(x, y)) continue;
    if (c.name == kBlackKeys) return KeyRef{true, c.index};
    if (c.name == kWhiteKeys) return KeyRef{false, c.index};
    return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace quavix::layout
