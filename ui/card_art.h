#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

// The card's own artwork, drawn at any size from the shapes that made the shipped pictures.
// Lengths are in the layout's pixels (an 80-pixel card); `zoom` is device pixels per layout
// pixel. Lines land on whole device pixels, so a staff line is solid at every size.
namespace quavix::card_art {

constexpr int kCardSize = 80;
// The font of the shipped clef pictures, from Debian's fonts-freefont-ttf.
constexpr char kClefFamily[] = "FreeSerif";
constexpr char32_t kTrebleClef = U'\U0001D11E';
constexpr char32_t kBassClef = U'\U0001D122';

// The outline of a glyph of `family`, scaled to `height` with its top-left corner at (left, top).
QPainterPath fittedGlyph(const QString& family, char32_t symbol, qreal left, qreal top,
                         qreal height);

// A rectangle of layout pixels on the device grid, at least one device pixel each way.
QRect snapped(const QRectF& layoutPixels, qreal zoom);
// The staff's five lines across `width` layout pixels.
void drawStaff(QPainter& painter, int width, qreal zoom);
void drawClef(QPainter& painter, const QString& family, bool treble, qreal zoom);
// The note image's shape, stem up or down, in its 32-pixel square.
void drawNote(QPainter& painter, bool stemUp, qreal zoom);

}  // namespace quavix::card_art
