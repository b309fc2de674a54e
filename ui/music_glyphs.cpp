#include "ui/music_glyphs.h"

#include <QFontDatabase>
#include <QPainterPath>
#include <array>
#include <iostream>

#include "core/window_layout.h"

namespace quavix {

namespace {

constexpr char kMusicFamily[] = "Noto Music";
constexpr qreal kStaffSpace = 6;  // pixels

struct GlyphShape {
  char32_t codePoint;
  qreal height;        // in staff spaces
  qreal centreOffset;  // of its outline's box below the marked line or space, in staff spaces
};

// Indexed by CardGlyph. A flat's bowl, not its stem, sits on the note it marks.
constexpr std::array<GlyphShape, 3> kShapes = {{
    {U'\U0001D121', 4.15, 0},  // C clef, the full staff high
    {U'\u266F', 2.7, 0},       // sharp
    {U'\u266D', 2.4, -0.6},    // flat
}};

QFont musicFont() {
  static const bool installed = [] {
    const bool found = QFontDatabase::hasFamily(kMusicFamily);
    if (!found) {
      std::cerr << "quavix: the font " << kMusicFamily
                << " is missing (Debian's fonts-noto-core); the card's signs may show wrong\n";
    }
    return found;
  }();
  QFont font(installed ? kMusicFamily : "");
  font.setPixelSize(200);
  return font;
}

}  // namespace

void drawCardSymbol(QPainter& painter, const CardSymbol& symbol, const QColor& colour) {
  const GlyphShape& shape = kShapes[static_cast<size_t>(symbol.glyph)];
  QPainterPath glyph;
  glyph.addText(0, 0, musicFont(), QString::fromUcs4(&shape.codePoint, 1));
  const QRectF box = glyph.boundingRect();
  if (box.isEmpty()) return;
  const qreal scale = shape.height * kStaffSpace / box.height();
  // The pixel row of a one-pixel line at twip y is y / 15; its middle lies half a pixel lower.
  const qreal lineMiddle = symbol.y / qreal{layout::kTwipsPerPixel} + 0.5;
  const qreal top = lineMiddle + shape.centreOffset * kStaffSpace - shape.height * kStaffSpace / 2;
  QTransform place;
  place.translate(symbol.left / qreal{layout::kTwipsPerPixel}, top);
  place.scale(scale, scale);
  place.translate(-box.left(), -box.top());
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillPath(place.map(glyph), colour);
  painter.restore();
}

}  // namespace quavix
