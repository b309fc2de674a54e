#pragma once

#include <QChartView>
#include <vector>

#include "core/statistics.h"

namespace quavix {

// The points every game gained (or lost) over its date, one line per mode and clef choice; games
// in which nothing was answered are left out.
class ScoreHistoryChart : public QChartView {
  Q_OBJECT

 public:
  explicit ScoreHistoryChart(QWidget* parent = nullptr);

  void setGames(const std::vector<GameRecord>& games);
  // The name of the line of one mode and clef choice.
  static QString seriesName(PlayMode mode, int clefChoice);
  static bool answeredSomething(const GameRecord& game);
};

}  // namespace quavix
