#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <optional>

#include "core/controls_model.h"

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
  const QImage& image() const { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Colour background_;
  Colour drawing_;
  QSize ownSize_;
  QImage image_;
  std::optional<uint64_t> revision_;
};

}  // namespace quavix
