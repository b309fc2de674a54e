#pragma once

#include <array>

// The window drawn larger than the layout's own pixels: every twip length goes through one
// rounding, so that what touches at one size touches at every size.
namespace quavix::layout {

// Percent of the layout's size; at 100 a pixel is 15 twips.
constexpr int kNormalScale = 100;
constexpr int kSmallestScale = 100;
constexpr int kLargestScale = 300;
// Not a size: the largest one that fits the screen.
constexpr int kFitScreen = 0;
// What the band's menu offers besides fitting the screen.
constexpr std::array<int, 6> kScaleChoices = {100, 125, 150, 200, 250, 300};

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool contains(int x, int y) const { return x >= left && x < right() && y >= top && y < bottom(); }
  bool operator==(const Rect&) const = default;
};
using TwipRect = Rect;
using PixelRect = Rect;

// Twips to pixels at `percent`, to the nearest pixel, halves up.
int toPixels(int twips, int percent = kNormalScale);
// Edge by edge, so that neighbours stay neighbours and sizes may differ by a pixel.
PixelRect toPixels(const TwipRect& twips, int percent = kNormalScale);
// A window pixel back to the twip at its top-left corner, to the nearest twip.
int toTwips(int pixels, int percent);
// A length the layout gives in pixels (a border, a margin), at least one pixel.
int scaledPixels(int pixels, int percent);
// Font sizes in points to pixels at 96 dots per inch, where the layout's twips were measured.
int pointsToPixels(double points, int percent = kNormalScale);
// The largest whole percentage at which the window's client area fits width x height pixels;
// never below the layout's own size, even on a smaller screen.
int fitScale(int width, int height);

}  // namespace quavix::layout
