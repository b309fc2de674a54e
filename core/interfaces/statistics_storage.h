#pragma once

#include "core/statistics.h"

namespace quavix {

struct StoredStatistics {
  enum class Status {
    Loaded,
    Upgraded,     // read from an older version, to be written in this one at once
    Fresh,        // there was none, or an unreadable one was set aside
    Untouchable,  // written by a newer version, or unreadable and could not be set aside
  };
  Status status = Status::Fresh;
  Statistics statistics;
};

// Where the statistics are kept; the real one is a file beside the scores.
class StatisticsStorage {
 public:
  virtual ~StatisticsStorage() = default;
  virtual StoredStatistics loadStatistics() = 0;
  // False when they could not be written (for a storage that writes later: when the last write
  // that finished failed); what was there before stays whole.
  virtual bool saveStatistics(const Statistics& statistics) = 0;
};

}  // namespace quavix
