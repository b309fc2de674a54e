#pragma once

#include <QWidget>
#include <optional>

#include "core/note_naming.h"
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

  // The figures of one clef (a Clef's number), the keys named as `naming` names them.
  void setFigures(const Statistics& statistics, int clef, NoteNaming naming);
  // Where a key is drawn, in the widget's pixels.
  QRect keyArea(layout::KeyRef key) const;
  std::optional<layout::KeyRef> keyAt(QPoint point) const;
  QString figuresText(layout::KeyRef key) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

 private:
  const NoteFigures& figuresOf(layout::KeyRef key) const;
  QColor colourOf(layout::KeyRef key) const;
  QString pitchText(int midiNote) const;
  void paintScale(QPainter& painter) const;

  // By key, everything the clef's cards gathered whose answer is its pitch.
  std::array<NoteFigures, kWhiteKeyCount> white_{};
  std::array<NoteFigures, kBlackKeyCount> black_{};
  int clef_ = 0;
  NoteNaming naming_ = NoteNaming::Letters;
};

}  // namespace quavix
