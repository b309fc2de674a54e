#pragma once

#include <QWidget>
#include <optional>

#include "core/note_naming.h"
#include "core/statistics_recorder.h"

class QLabel;
class QPushButton;
class QTabBar;
class QTreeWidget;

namespace quavix {

class HeatMapWidget;
class ScoreHistoryChart;

// The statistics as pictures: a heat map of the keyboard per clef, the notes most often
// confused and the score history. It follows the recorder live while it is open.
class StatisticsWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kConfusionsShown = 12;

  explicit StatisticsWindow(StatisticsRecorder& recorder, QWidget* parent = nullptr);
  ~StatisticsWindow() override;

  // Shows the window, or raises it when it is open already.
  void present();
  // Notes are named so from the next drawing on.
  void setNoteNaming(NoteNaming naming);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void refreshSoon();
  void refresh();
  void askToClear();

  StatisticsRecorder& recorder_;
  NoteNaming naming_ = NoteNaming::Letters;
  QTabBar* clefs_ = nullptr;
  HeatMapWidget* heatMap_ = nullptr;
  QTreeWidget* confusions_ = nullptr;
  ScoreHistoryChart* history_ = nullptr;
  QLabel* note_ = nullptr;
  QPushButton* clear_ = nullptr;
  bool refreshPending_ = false;
  bool charted_ = false;
  size_t chartedCount_ = 0;
  std::optional<GameRecord> chartedLast_;
};

}  // namespace quavix
