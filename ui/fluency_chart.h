#pragma once

#include <QChartView>
#include <vector>

#include "core/statistics.h"

namespace quavix {

// Notes a minute and accuracy per day of play, over the weeks.
class FluencyChart : public QChartView {
  Q_OBJECT

 public:
  explicit FluencyChart(QWidget* parent = nullptr);

  void setGames(const std::vector<GameRecord>& games);
};

}  // namespace quavix
