#pragma once

#include <QWidget>

#include "core/statistics.h"

class QLabel;
class QSpinBox;

namespace quavix {

// The learner's days at a glance: the notes due for review and the review boxes, the daily goal
// with the streak and this week, and the best one-minute run of each note set.
class PracticeSummary : public QWidget {
  Q_OBJECT

 public:
  explicit PracticeSummary(QWidget* parent = nullptr);

  void setStatistics(const Statistics& statistics, int64_t today);

 signals:
  void goalChanged(int minutes);

 private:
  QLabel* review_ = nullptr;
  QSpinBox* goal_ = nullptr;
  QLabel* days_ = nullptr;
  QLabel* best_ = nullptr;
};

}  // namespace quavix
