#pragma once

#include <QColor>

namespace quavix {

// The viridis palette, dark violet at 0 to yellow at 1: even in lightness and readable with
// every common colour-vision deficiency. Values outside 0 to 1 are clamped.
QColor viridis(double t);

}  // namespace quavix
