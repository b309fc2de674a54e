#include "ui/colour_button.h"

#include <QPainter>

namespace quavix {

ColourButton::ColourButton(const QColor& background, QWidget* parent)
    : QAbstractButton(parent), background_(background) {}

void ColourButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect r = rect();
  p.fillRect(r, background_);
  const bool sunken = isDown();
  const QColor light = sunken ? Qt::black : Qt::white;
  const QColor dark = sunken ? Qt::white : Qt::black;
  p.setPen(light);
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(dark);
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
  p.setPen(background_.darker(150));
  const QRect inner = r.adjusted(1, 1, -1, -1);
  p.drawLine(sunken ? inner.topLeft() : inner.bottomLeft(),
             sunken ? inner.topRight() : inner.bottomRight());
  p.drawLine(sunken ? inner.topLeft() : inner.topRight(),
             sunken ? inner.bottomLeft() : inner.bottomRight());

  const QRect textRect = r.adjusted(2, 2, -2, -2).translated(sunken ? 1 : 0, sunken ? 1 : 0);
  const int flags = Qt::AlignCenter | Qt::TextWordWrap;
  if (isEnabled()) {
    p.setPen(palette().color(QPalette::ButtonText));
  } else {
    // Greyed text, engraved as a disabled button's caption.
    p.setPen(Qt::white);
    p.drawText(textRect.translated(1, 1), flags, text());
    p.setPen(QColor(128, 128, 128));
  }
  p.drawText(textRect, flags, text());
  if (hasFocus()) {
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawRect(r.adjusted(3, 3, -4, -4));
  }
}

}  // namespace quavix
