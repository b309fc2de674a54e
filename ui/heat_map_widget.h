#pragma once

#include <QWidget>
#include <optional>

#include "core/note_naming.h"
#include "core/statistics.h"
#include "core/window_layout.h"

namespace quavix {

// The 56 keys drawn as on the main window, each coloured by the player's accuracy on its note for
// one clef, or by the median time of its recent right answers, with the colour scale beneath.
// Hovering a key shows its figures.
class HeatMapWidget : public QWidget {
  Q_OBJECT

 public:
  static const QColor kNeverShown;
  enum class View { Accuracy, ResponseTime };

  explicit HeatMapWidget(QWidget* parent = nullptr);

  // The figures of one clef (a Clef's number), the keys named as `naming` names them.
  void setFigures(const Statistics& statistics, int clef, NoteNaming naming);
  void setView(View view);
  // Where a key is drawn, in the widget's pixels.
  QRect keyArea(layout::KeyRef key) const;
  std::optional<layout::KeyRef> keyAt(QPoint point) const;
  QString figuresText(layout::KeyRef key) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

 private:
  const NoteFigures& figuresOf(layout::KeyRef key) const;
  int64_t medianOf(layout::KeyRef key) const;
  QColor colourOf(layout::KeyRef key) const;
  QString pitchText(int midiNote) const;
  void paintScale(QPainter& painter) const;

  // By key, everything the clef's cards gathered whose answer is its pitch.
  std::array<NoteFigures, kWhiteKeyCount> white_{};
  std::array<NoteFigures, kBlackKeyCount> black_{};
  // Median milliseconds of the recent right answers by key, 0 for none.
  std::array<int64_t, kWhiteKeyCount> whiteMedian_{};
  std::array<int64_t, kBlackKeyCount> blackMedian_{};
  View view_ = View::Accuracy;
  int clef_ = 0;
  NoteNaming naming_ = NoteNaming::Letters;
};

}  // namespace quavix
