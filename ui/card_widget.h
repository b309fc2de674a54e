#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <optional>

#include "core/controls_model.h"
#include "core/window_scale.h"

namespace quavix {

// Picture1, the note card: its picture with the ledger lines drawn onto it. The note images are
// child widgets, so the card clips them.
class CardWidget : public QWidget {
  Q_OBJECT

 public:
  // A practice card may grow beyond `geometry`'s size as its model asks.
  CardWidget(const QRect& geometry, Colour background, Colour drawing, QWidget* parent);

  // Draws the card anew when its revision differs from the one drawn.
  void showCard(const CardModel& card);
  // Sizes and draws the card anew at `percent` of the layout's size, where its own size is
  // `ownSize`.
  void setScale(int percent, const QSize& ownSize);
  // In device pixels, at the scale and the screen's pixel ratio.
  const QImage& image() const { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void draw();

  Colour background_;
  Colour drawing_;
  QSize ownSize_;
  QImage image_;
  CardModel card_;
  std::optional<uint64_t> revision_;
  int percent_ = layout::kNormalScale;
};

}  // namespace quavix
