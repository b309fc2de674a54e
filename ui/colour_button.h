#pragma once

#include <QAbstractButton>
#include <QColor>

#include "core/window_scale.h"

namespace quavix {

// A push button drawn in its own background colour, raised, and sunken while held.
class ColourButton : public QAbstractButton {
  Q_OBJECT

 public:
  ColourButton(const QColor& background, QWidget* parent);

  // Its bevel's width follows the window's size.
  void setScale(int percent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor background_;
  int percent_ = layout::kNormalScale;
};

}  // namespace quavix
