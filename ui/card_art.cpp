#include "ui/card_art.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quavix::card_art {

namespace {

constexpr std::array<int, 5> kStaffRows = {26, 32, 38, 44, 50};
// The note head's box, 8 x 5 pixels, at its top row; its stem's column and rows.
constexpr int kHeadWidth = 8, kHeadHeight = 5;
constexpr int kStemUpHeadTop = 19, kStemUpColumn = 7;
constexpr int kStemDownColumn = 0, kStemDownEnd = 24;
// An ellipse tilted up to the right that fills the head's box as the pixel pattern does.
constexpr qreal kHeadLongRadius = 4.18, kHeadShortRadius = 2.18, kHeadTilt = -20;

int device(qreal layoutPixels, qreal zoom) {
  return static_cast<int>(std::lround(layoutPixels * zoom));
}

}  // namespace

QPainterPath fittedGlyph(const QString& family, char32_t symbol, qreal left, qreal top,
                         qreal height) {
  QFont font(family);
  font.setPixelSize(200);
  QPainterPath path;
  path.addText(0, 0, font, QString::fromUcs4(&symbol, 1));
  const QRectF box = path.boundingRect();
  const qreal scale = height / box.height();
  QTransform t;
  t.translate(left, top);
  t.scale(scale, scale);
  t.translate(-box.left(), -box.top());
  return t.map(path);
}

QRect snapped(const QRectF& r, qreal zoom) {
  const int left = device(r.left(), zoom);
  const int top = device(r.top(), zoom);
  return QRect(left, top, std::max(1, device(r.right(), zoom) - left),
               std::max(1, device(r.bottom(), zoom) - top));
}

void drawStaff(QPainter& p, int width, qreal zoom) {
  for (int row : kStaffRows) p.fillRect(snapped(QRectF(0, row, width, 1), zoom), Qt::black);
}

// The treble clef curls round the G line (row 44) and reaches past the staff both ways; the bass
// clef starts on the top line and its dots sit either side of the F line (row 32).
void drawClef(QPainter& p, const QString& family, bool treble, qreal zoom) {
  const QPainterPath path = treble ? fittedGlyph(family, kTrebleClef, 3, 16, 46)
                                   : fittedGlyph(family, kBassClef, 3, 25, 24);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(zoom, zoom);
  p.fillPath(path, Qt::black);
  p.restore();
}

void drawNote(QPainter& p, bool stemUp, qreal zoom) {
  const int headTop = stemUp ? kStemUpHeadTop : 0;
  const qreal headMiddle = headTop + kHeadHeight / 2.0;
  const QRectF stem = stemUp ? QRectF(kStemUpColumn, 0, 1, headMiddle)
                             : QRectF(kStemDownColumn, headMiddle, 1, kStemDownEnd - headMiddle);
  p.fillRect(snapped(stem, zoom), Qt::black);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(zoom, zoom);
  p.translate(kHeadWidth / 2.0, headMiddle);
  p.rotate(kHeadTilt);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawEllipse(QPointF(0, 0), kHeadLongRadius, kHeadShortRadius);
  p.restore();
}

}  // namespace quavix::card_art
