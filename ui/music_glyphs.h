#pragma once

#include <QColor>
#include <QPainter>

#include "core/controls_model.h"

namespace quavix {

// Draws a card's music symbol as a filled outline of its glyph in the Noto Music font, scaled
// to the staff (6 pixels from line to line). Says once on stderr when the font is missing.
void drawCardSymbol(QPainter& painter, const CardSymbol& symbol, const QColor& colour);

}  // namespace quavix
