#pragma once

#include <QChartView>
#include <map>
#include <vector>

#include "core/statistics.h"

namespace quavix {

// The points every game gained (or lost) over its date, one line per mode and clef choice; games
// in which nothing was answered are left out. Hovering a line tells a game's points and fluency.
class ScoreHistoryChart : public QChartView {
  Q_OBJECT

 public:
  explicit ScoreHistoryChart(QWidget* parent = nullptr);

  void setGames(const std::vector<GameRecord>& games);
  // The name of the line of one mode and clef choice.
  static QString seriesName(PlayMode mode, int clefChoice);
  static bool answeredSomething(const GameRecord& game);
  static QString gameDetails(const GameRecord& game);

 private:
  void showDetails(const QPointF& point, bool entered);

  std::map<qint64, QString> details_;  // by the game's start, in milliseconds
};

}  // namespace quavix
