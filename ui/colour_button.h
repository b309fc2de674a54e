#pragma once

#include <QAbstractButton>
#include <QColor>

namespace quavix {

// A push button drawn in its own background colour, raised, and sunken while held.
class ColourButton : public QAbstractButton {
  Q_OBJECT

 public:
  ColourButton(const QColor& background, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor background_;
};

}  // namespace quavix
