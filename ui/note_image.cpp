#include "ui/note_image.h"

#include <QPainter>

#include "ui/card_art.h"

namespace quavix {

NoteImage::NoteImage(const QImage& picture, bool stemUp, QWidget* parent)
    : QWidget(parent), picture_(picture), stemUp_(stemUp) {}

void NoteImage::setScale(int percent) {
  percent_ = percent;
  update();
}

void NoteImage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const qreal ratio = devicePixelRatioF();
  const qreal zoom = percent_ / qreal{layout::kNormalScale} * ratio;
  if (zoom == 1) {
    p.drawImage(0, 0, picture_);
    return;
  }
  p.scale(1 / ratio, 1 / ratio);
  card_art::drawNote(p, stemUp_, zoom);
}

}  // namespace quavix
