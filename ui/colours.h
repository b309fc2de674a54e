#pragma once

#include <QColor>
#include <QPalette>

#include "core/controls_model.h"

namespace quavix {

// A layout colour (0x00BBGGRR, or one of the desktop scheme's) as Qt draws it.
QColor toQColor(Colour colour, const QPalette& palette);

}  // namespace quavix
