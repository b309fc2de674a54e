#include "ui/colours.h"

#include "core/window_layout.h"

namespace quavix {

QColor toQColor(Colour colour, const QPalette& palette) {
  switch (colour) {
    case layout::kSystemWindowBackground:
      return palette.color(QPalette::Base);
    default:
      return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
  }
}

}  // namespace quavix
