#pragma once

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include "core/interfaces/statistics_storage.h"

namespace quavix {

// Writes the statistics to `storage` on a thread of its own, so that a save costs the caller
// no more than a copy of the record. A save asked for while one is written replaces any that
// still waits: only the newest is written next. The end waits for the last one.
//
// Use: StatisticsFile file(path); BackgroundSaves saves(file); StatisticsRecorder r(saves, clock);
// declared so that `saves` ends before `file` and after the last save is asked for.
class BackgroundSaves : public StatisticsStorage {
 public:
  explicit BackgroundSaves(StatisticsStorage& storage);
  ~BackgroundSaves() override;
  BackgroundSaves(const BackgroundSaves&) = delete;
  BackgroundSaves& operator=(const BackgroundSaves&) = delete;

  // On the caller's thread: nothing is written before the first save.
  StoredStatistics loadStatistics() override;
  // Returns at once. False when the last write that finished failed, so that the caller asks
  // again later; the storage has said why.
  bool saveStatistics(const Statistics& statistics) override;

 private:
  void writeUntilEnded();

  StatisticsStorage& storage_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::optional<Statistics> next_;
  bool lastFailed_ = false;
  bool ending_ = false;
  std::thread writer_;  // last, so that it starts on a whole object
};

}  // namespace quavix
