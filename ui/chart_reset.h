#pragma once

#include <QAbstractAxis>
#include <QChart>

namespace quavix {

// Takes every series and axis off `chart`, which is then drawn afresh from its data.
inline void clearChart(QChart& chart) {
  chart.removeAllSeries();
  for (QAbstractAxis* axis : chart.axes()) {
    chart.removeAxis(axis);
    delete axis;
  }
}

}  // namespace quavix
