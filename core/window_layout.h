#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "core/controls_model.h"
#include "core/window_scale.h"

// The window's fixed layout as plain data: every control with its place, colours, text and font,
// in twips (15 to a pixel at the normal scale). What changes at run time (enabled, visible,
// selected, the card's position, the captions the game rewrites) belongs to the controls model
// alone.
namespace quavix::layout {

constexpr int kTwipsPerPixel = 15;
constexpr int kClientWidth = 12180;
constexpr int kClientHeight = 7830;
constexpr std::string_view kWindowCaption = "Quavix";
constexpr Colour kWindowBackground = 0x0080FFFF;
constexpr Colour kBlack = 0x000000;
// The desktop scheme's window background, resolved when drawn. Texts and lines are black: they
// all stand on fixed light colours, where a dark scheme's light text would vanish.
constexpr Colour kSystemWindowBackground = 0x80000005;

enum class Kind { TextBox, PushButton, GroupBox, OptionButton, PictureBox, Label, Image };

struct FontSpec {
  std::string_view family;
  double points = 0;
  int weight = 400;
};

struct ControlSpec {
  Kind kind;
  std::string_view name;
  int index = -1;              // element of a control array; -1 for a single control
  std::string_view container;  // empty: the window
  TwipRect rect;               // in the container's client area
  Colour background = kBlack;
  Colour foreground = kBlack;  // text or drawing colour
  std::string_view text;
  std::optional<FontSpec> font;  // none: the desktop's default font
};

// Every control, from the top of the stacking order to the bottom; where two overlap, the
// earlier one is drawn on top and takes the mouse.
std::span<const ControlSpec> controlTable();
// The row of one control; names and indices are those of the table.
const ControlSpec& control(std::string_view name, int index = -1);

constexpr std::string_view kWhiteKeys = "Command1";
constexpr std::string_view kBlackKeys = "Command2";
TwipRect whiteKeyRect(int index);
TwipRect blackKeyRect(int index);

struct KeyRef {
  bool black = false;
  int index = 0;
  bool operator==(const KeyRef&) const = default;
};
// The key that takes a press at a window pixel at `percent`: the topmost control drawn there,
// if it is a key.
std::optional<KeyRef> keyAt(int x, int y, int percent);

}  // namespace quavix::layout
