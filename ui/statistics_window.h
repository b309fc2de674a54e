#pragma once

#include <QWidget>
#include <optional>

#include "core/note_naming.h"
#include "core/statistics_recorder.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTabBar;
class QTreeWidget;

namespace quavix {

class FluencyChart;
class HeatMapWidget;
class PracticeSummary;
class ScoreHistoryChart;

// The statistics as pictures: a heat map of the keyboard per clef, the review and the daily goal,
// the notes most often confused, the points of every game and the fluency of every day. It
// follows the recorder live while it is open.
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
  // Writes the game history to this file and the notes' figures beside it, as <name>-notes.csv;
  // false, with a message to the player, when either could not be written.
  bool exportTo(const QString& gamesPath);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void refreshSoon();
  void refresh();
  void askToClear();
  void askWhereToExport();

  StatisticsRecorder& recorder_;
  NoteNaming naming_ = NoteNaming::Letters;
  QTabBar* clefs_ = nullptr;
  QComboBox* view_ = nullptr;
  HeatMapWidget* heatMap_ = nullptr;
  PracticeSummary* summary_ = nullptr;
  QTreeWidget* confusions_ = nullptr;
  ScoreHistoryChart* history_ = nullptr;
  FluencyChart* fluency_ = nullptr;
  QLabel* note_ = nullptr;
  QPushButton* export_ = nullptr;
  QPushButton* clear_ = nullptr;
  bool refreshPending_ = false;
  bool charted_ = false;
  size_t chartedCount_ = 0;
  std::optional<GameRecord> chartedLast_;
};

}  // namespace quavix
