#include "ui/card_widget.h"

#include <QFontDatabase>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <optional>

#include "core/window_layout.h"
#include "platform/files/qt_picture_files.h"
#include "ui/card_art.h"
#include "ui/colours.h"
#include "ui/music_glyphs.h"

namespace quavix {

namespace {

QImage toQImage(const Picture& picture) {
  return QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                picture.height, QImage::Format_ARGB32);
}

// In the layout's pixels. The card's lines are level or upright; like the toolkit's line, the
// end point is left out, so a line shorter than a pixel draws nothing.
std::optional<QRectF> lineRect(const LedgerLine& line) {
  const int x1 = layout::toPixels(line.x1), x2 = layout::toPixels(line.x2);
  const int y1 = layout::toPixels(line.y1), y2 = layout::toPixels(line.y2);
  if (x1 == x2 && y1 == y2) return std::nullopt;
  return QRectF(std::min(x1, x2), std::min(y1, y2), std::max(1, std::abs(x2 - x1)),
                std::max(1, std::abs(y2 - y1)));
}

// Whether the picture is one of the clef pictures the game ships, and which: those are drawn
// from their outlines at any size, a player's own can only be stretched.
std::optional<bool> shippedClef(const Picture& picture) {
  static const QImage treble = readBuiltInImage("wode.bmp").convertToFormat(QImage::Format_ARGB32);
  static const QImage bass = readBuiltInImage("wodedi.bmp").convertToFormat(QImage::Format_ARGB32);
  const QImage image = toQImage(picture);
  if (image == treble) return true;
  if (image == bass) return false;
  return std::nullopt;
}

bool clefFontInstalled() {
  static const bool installed = [] {
    const bool found = QFontDatabase::hasFamily(card_art::kClefFamily);
    if (!found) {
      std::cerr << "quavix: the font " << card_art::kClefFamily
                << " is missing (Debian's fonts-freefont-ttf); large cards show their clef "
                   "pictures stretched\n";
    }
    return found;
  }();
  return installed;
}

void drawPicture(QPainter& p, const Picture& picture, qreal zoom) {
  const QImage image = toQImage(picture);
  if (zoom == 1) {
    p.drawImage(0, 0, image);
    return;
  }
  const QRect area = card_art::snapped(QRectF(0, 0, picture.width, picture.height), zoom);
  const std::optional<bool> treble = shippedClef(picture);
  if (!treble || !clefFontInstalled()) {
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(area, image);
    return;
  }
  p.fillRect(area, Qt::white);
  card_art::drawStaff(p, picture.width, zoom);
  card_art::drawClef(p, card_art::kClefFamily, *treble, zoom);
}

}  // namespace

CardWidget::CardWidget(const QRect& geometry, Colour background, Colour drawing, QWidget* parent)
    : QWidget(parent), background_(background), drawing_(drawing), ownSize_(geometry.size()) {
  setGeometry(geometry);
}

void CardWidget::showCard(const CardModel& card) {
  if (revision_ == card.revision) return;
  revision_ = card.revision;
  card_ = card;
  draw();
}

void CardWidget::setScale(int percent, const QSize& ownSize) {
  percent_ = percent;
  ownSize_ = ownSize;
  draw();
}

void CardWidget::draw() {
  const CardModel::Growth& growth = card_.growth;
  const auto length = [this](int twips) { return layout::toPixels(twips, percent_); };
  resize(ownSize_ + QSize(length(growth.right), length(growth.above) + length(growth.below)));
  const qreal ratio = devicePixelRatioF();
  const qreal zoom = percent_ / qreal{layout::kNormalScale} * ratio;
  image_ = QImage(size() * ratio, QImage::Format_RGB32);
  image_.fill(toQColor(background_, palette()));
  QPainter p(&image_);
  p.translate(0, std::lround(layout::toPixels(growth.above) * zoom));
  if (card_.picture) drawPicture(p, *card_.picture, zoom);
  const QColor drawing = toQColor(drawing_, palette());
  for (const LedgerLine& line : card_.lines) {
    if (const auto rect = lineRect(line)) p.fillRect(card_art::snapped(*rect, zoom), drawing);
  }
  p.scale(zoom, zoom);
  for (const CardSymbol& symbol : card_.symbols) drawCardSymbol(p, symbol, drawing);
  p.end();
  image_.setDevicePixelRatio(ratio);
  update();
}

void CardWidget::paintEvent(QPaintEvent*) {
  // Moved to a screen of another pixel ratio.
  if (image_.devicePixelRatio() != devicePixelRatioF()) draw();
  QPainter p(this);
  p.drawImage(0, 0, image_);
}

}  // namespace quavix
