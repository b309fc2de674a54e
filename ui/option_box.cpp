#include "ui/option_box.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace quavix {

namespace {

constexpr int kMarkLeft = 2;
constexpr int kMarkGap = 3;

}  // namespace

OptionBox::OptionBox(const QColor& background, QWidget* parent)
    : QAbstractButton(parent), background_(background) {}

void OptionBox::setSelected(bool selected) {
  if (selected == selected_) return;
  selected_ = selected;
  update();
}

void OptionBox::setScale(int percent) {
  percent_ = percent;
  update();
}

void OptionBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), background_);

  // The style draws the mark at its own size; a scaled painter keeps its outline sharp.
  QStyleOptionButton mark;
  mark.initFrom(this);
  const int size = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &mark, this);
  const int shown = layout::scaledPixels(size, percent_);
  const int left = layout::scaledPixels(kMarkLeft, percent_);
  mark.rect = QRect(0, 0, size, size);
  mark.state |= selected_ ? QStyle::State_On : QStyle::State_Off;
  if (isDown()) mark.state |= QStyle::State_Sunken;
  p.save();
  p.translate(left, (height() - shown) / 2);
  if (size > 0) p.scale(qreal(shown) / size, qreal(shown) / size);
  style()->drawPrimitive(QStyle::PE_IndicatorRadioButton, &mark, &p, this);
  p.restore();

  const QRect textRect =
      rect().adjusted(left + shown + layout::scaledPixels(kMarkGap, percent_), 0, 0, 0);
  p.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text());
}

}  // namespace quavix
