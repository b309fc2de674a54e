#pragma once

#include <QByteArray>
#include <QString>

#include "core/statistics.h"

namespace quavix {

// The version of the statistics file this program writes; it reads this one and older.
constexpr int kStatisticsVersion = 1;

struct ParsedStatistics {
  enum class Result { Read, Damaged, Newer };
  Result result = Result::Damaged;
  QString problem;  // why it is damaged or which version it is, for the message
  Statistics statistics;
};

QByteArray statisticsToJson(const Statistics& statistics);
ParsedStatistics statisticsFromJson(const QByteArray& bytes);

}  // namespace quavix
