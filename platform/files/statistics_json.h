#pragma once

#include <QByteArray>
#include <QString>

#include "core/statistics.h"

namespace quavix {

// The version of the statistics file this program writes; it reads this one and older.
// Version 2 added the games' figures, the notes' memories and the daily goal.
constexpr int kStatisticsVersion = 2;

struct ParsedStatistics {
  enum class Result { Read, Damaged, Newer };
  Result result = Result::Damaged;
  QString problem;  // why it is damaged or which version it is, for the message
  int version = 0;  // of a file read
  Statistics statistics;
};

QByteArray statisticsToJson(const Statistics& statistics);
ParsedStatistics statisticsFromJson(const QByteArray& bytes);

}  // namespace quavix
