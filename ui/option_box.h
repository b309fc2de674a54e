#pragma once

#include <QAbstractButton>
#include <QColor>

#include "core/window_scale.h"

namespace quavix {

// An option button on its own background colour whose caption wraps at its spaces, so that
// "学习  模式" stands in two lines beside the round mark. A click does not select it: the
// controls model decides, and the window shows the model's choice.
class OptionBox : public QAbstractButton {
  Q_OBJECT

 public:
  OptionBox(const QColor& background, QWidget* parent);

  bool selected() const { return selected_; }
  void setSelected(bool selected);
  // Its round mark and margins follow the window's size.
  void setScale(int percent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor background_;
  bool selected_ = false;
  int percent_ = layout::kNormalScale;
};

}  // namespace quavix
