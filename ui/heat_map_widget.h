#pragma once

#include <QWidget>
#include <optional>

#include "core/statistics.h"
#include "core/window_layout.h"

namespace quavix {

// The 56 keys drawn as on the main window, each white key coloured by the player's accuracy on
// its note for one clef, with the colour scale beneath. Hovering a key shows its figures.
class HeatMapWidget : public QWidget {
  Q_OBJECT

 public:
  static const QColor kNeverShown;

  explicit HeatMapWidget(QWidget* parent = nullptr);

  void setFigures(const Statistics& statistics, int clef);
  // Where a key is drawn, in the widget's pixels.
  QRect keyArea(layout::KeyRef key) const;
  std::optional<layout::KeyRef> keyAt(QPoint point) const;
  QString figuresText(layout::KeyRef key) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

 private:
  // The note of this clef that a white key answers, if any.
  std::optional<int> noteOf(layout::KeyRef key) const;
  QColor colourOf(layout::KeyRef key) const;
  void paintScale(QPainter& painter) const;

  std::array<NoteFigures, kNoteIndexCount> figures_{};
  int clef_ = 0;
};

}  // namespace quavix
