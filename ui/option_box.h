#pragma once

#include <QAbstractButton>
#include <QColor>

namespace quavix {

// An option button on its own background colour whose caption wraps at its spaces, so that
// "学习  模式" stands in two lines beside the round mark. Options that share a parent form one
// exclusive group.
class OptionBox : public QAbstractButton {
  Q_OBJECT

 public:
  OptionBox(const QColor& background, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor background_;
};

}  // namespace quavix
