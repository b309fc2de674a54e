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

void OptionBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), background_);

  QStyleOptionButton mark;
  mark.initFrom(this);
  const int size = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &mark, this);
  mark.rect = QRect(kMarkLeft, (height() - size) / 2, size, size);
  mark.state |= selected_ ? QStyle::State_On : QStyle::State_Off;
  if (isDown()) mark.state |= QStyle::State_Sunken;
  style()->drawPrimitive(QStyle::PE_IndicatorRadioButton, &mark, &p, this);

  const QRect textRect = rect().adjusted(kMarkLeft + size + kMarkGap, 0, 0, 0);
  p.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text());
}

}  // namespace quavix
