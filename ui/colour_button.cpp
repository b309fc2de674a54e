#include "ui/colour_button.h"

#include <QPainter>

namespace quavix {

namespace {

// A line of the bevel, `width` pixels wide, along one side of `r`, inside it.
void edge(QPainter& p, const QRect& r, Qt::Edge side, int width, const QColor& colour) {
  switch (side) {
    case Qt::TopEdge:
      p.fillRect(r.left(), r.top(), r.width(), width, colour);
      break;
    case Qt::LeftEdge:
      p.fillRect(r.left(), r.top(), width, r.height(), colour);
      break;
    case Qt::BottomEdge:
      p.fillRect(r.left(), r.bottom() + 1 - width, r.width(), width, colour);
      break;
    case Qt::RightEdge:
      p.fillRect(r.right() + 1 - width, r.top(), width, r.height(), colour);
      break;
  }
}

}  // namespace

ColourButton::ColourButton(const QColor& background, QWidget* parent)
    : QAbstractButton(parent), background_(background) {}

void ColourButton::setScale(int percent) {
  percent_ = percent;
  update();
}

void ColourButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int px = layout::scaledPixels(1, percent_);
  const QRect r = rect();
  p.fillRect(r, background_);
  const bool sunken = isDown();
  const QColor light = sunken ? Qt::black : Qt::white;
  const QColor dark = sunken ? Qt::white : Qt::black;
  edge(p, r, Qt::TopEdge, px, light);
  edge(p, r, Qt::LeftEdge, px, light);
  edge(p, r, Qt::BottomEdge, px, dark);
  edge(p, r, Qt::RightEdge, px, dark);
  const QColor shade = background_.darker(150);
  const QRect inner = r.adjusted(px, px, -px, -px);
  edge(p, inner, sunken ? Qt::TopEdge : Qt::BottomEdge, px, shade);
  edge(p, inner, sunken ? Qt::LeftEdge : Qt::RightEdge, px, shade);

  const QRect textRect =
      r.adjusted(2 * px, 2 * px, -2 * px, -2 * px).translated(sunken ? px : 0, sunken ? px : 0);
  const int flags = Qt::AlignCenter | Qt::TextWordWrap;
  if (isEnabled()) {
    p.setPen(palette().color(QPalette::ButtonText));
  } else {
    // Greyed text, engraved as a disabled button's caption.
    p.setPen(Qt::white);
    p.drawText(textRect.translated(px, px), flags, text());
    p.setPen(QColor(128, 128, 128));
  }
  p.drawText(textRect, flags, text());
  if (hasFocus()) {
    p.setPen(QPen(Qt::black, px, Qt::DotLine));
    p.drawRect(r.adjusted(3 * px, 3 * px, -4 * px, -4 * px));
  }
}

}  // namespace quavix
