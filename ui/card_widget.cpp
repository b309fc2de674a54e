#include "ui/card_widget.h"

#include <QPainter>
#include <cstdlib>

#include "core/window_layout.h"
#include "ui/colours.h"
#include "ui/music_glyphs.h"

namespace quavix {

namespace {

QImage toQImage(const Picture& picture) {
  return QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                picture.height, QImage::Format_ARGB32);
}

// Twip coordinates to pixels; like the toolkit's line, the end point itself is left out.
void drawLine(QPainter& p, const LedgerLine& line) {
  const QPoint from(layout::toPixels(line.x1), layout::toPixels(line.y1));
  const QPoint to(layout::toPixels(line.x2), layout::toPixels(line.y2));
  const QPoint step = to - from;
  if (step.isNull()) return;
  const bool alongX = std::abs(step.x()) >= std::abs(step.y());
  const QPoint back = alongX ? QPoint(step.x() > 0 ? 1 : -1, 0) : QPoint(0, step.y() > 0 ? 1 : -1);
  p.drawLine(from, to - back);
}

}  // namespace

CardWidget::CardWidget(const QRect& geometry, Colour background, Colour drawing, QWidget* parent)
    : QWidget(parent), background_(background), drawing_(drawing), ownSize_(geometry.size()) {
  setGeometry(geometry);
}

void CardWidget::showCard(const CardModel& card) {
  if (revision_ == card.revision) return;
  revision_ = card.revision;
  const CardModel::Growth& growth = card.growth;
  resize(ownSize_ + QSize(layout::toPixels(growth.right),
                          layout::toPixels(growth.above) + layout::toPixels(growth.below)));
  image_ = QImage(size(), QImage::Format_RGB32);
  image_.fill(toQColor(background_, palette()));
  QPainter p(&image_);
  p.translate(0, layout::toPixels(growth.above));
  if (card.picture) p.drawImage(0, 0, toQImage(*card.picture));
  const QColor drawing = toQColor(drawing_, palette());
  p.setPen(drawing);
  for (const LedgerLine& line : card.lines) drawLine(p, line);
  for (const CardSymbol& symbol : card.symbols) drawCardSymbol(p, symbol, drawing);
  update();
}

void CardWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, image_);
}

}  // namespace quavix
