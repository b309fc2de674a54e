#pragma once

#include <QFont>

#include "core/window_layout.h"

namespace quavix {

// Maps the layout's Windows font names to the free CJK fonts that Debian ships, so that no
// Chinese text falls back to boxes, and lets their missing bold faces be drawn at the title's
// size. Call once before any widget is built.
void prepareFonts();

// The layout's font, sized in pixels so that it keeps its place in the twip layout at `percent`.
QFont layoutFont(const layout::FontSpec& spec, int percent = layout::kNormalScale);
// The desktop's font for `widget` at `percent`; at the normal scale, whatever it inherits.
QFont desktopFont(const QWidget* widget, int percent);

}  // namespace quavix
