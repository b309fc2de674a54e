#pragma once

#include <QChartView>
#include <vector>

#include "core/statistics.h"

namespace quavix {

// Every finished game's final score over its date, one line per mode and clef choice.
class ScoreHistoryChart : public QChartView {
  Q_OBJECT

 public:
  explicit ScoreHistoryChart(QWidget* parent = nullptr);

  void setGames(const std::vector<GameRecord>& games);
  // The name of the line of one mode and clef choice.
  static QString seriesName(PlayMode mode, int clefChoice);
};

}  // namespace quavix
