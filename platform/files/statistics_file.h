#pragma once

#include <filesystem>

#include "core/interfaces/statistics_storage.h"

namespace quavix {

// The statistics on disk as JSON, one file written whole or not at all. A file that cannot be
// read is set aside beside it as <name>.broken rather than overwritten; one from a newer version
// is left as it is. Each of these costs one line on stderr.
class StatisticsFile : public StatisticsStorage {
 public:
  explicit StatisticsFile(std::filesystem::path path);

  StoredStatistics loadStatistics() override;
  bool saveStatistics(const Statistics& statistics) override;

 private:
  std::filesystem::path path_;
};

// stats.json in the folder of the score file; call it after constructing the QApplication.
std::filesystem::path defaultStatisticsFilePath();

}  // namespace quavix
