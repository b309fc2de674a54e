#pragma once

#include <QImage>
#include <QWidget>

#include "core/window_scale.h"

namespace quavix {

// Image1, a note image on a transparent ground: its picture at the layout's own size, its shape
// drawn afresh at any other, so that it stays sharp.
class NoteImage : public QWidget {
  Q_OBJECT

 public:
  NoteImage(const QImage& picture, bool stemUp, QWidget* parent);

  void setScale(int percent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
  bool stemUp_;
  int percent_ = layout::kNormalScale;
};

}  // namespace quavix
