#include "platform/files/background_saves.h"

#include <utility>

namespace quavix {

BackgroundSaves::BackgroundSaves(StatisticsStorage& storage)
    : storage_(storage), writer_([this] { writeUntilEnded(); }) {}

BackgroundSaves::~BackgroundSaves() {
  {
    const std::lock_guard lock(mutex_);
    ending_ = true;
  }
  wake_.notify_one();
  writer_.join();
}

StoredStatistics BackgroundSaves::loadStatistics() { return storage_.loadStatistics(); }

bool BackgroundSaves::saveStatistics(const Statistics& statistics) {
  // Copied, and a replaced snapshot freed, outside the lock, so the writer never waits on them.
  std::optional<Statistics> snapshot = statistics;
  bool lastFailed = false;
  {
    const std::lock_guard lock(mutex_);
    std::swap(next_, snapshot);
    lastFailed = lastFailed_;
  }
  wake_.notify_one();
  return !lastFailed;
}

void BackgroundSaves::writeUntilEnded() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return next_ || ending_; });
    if (!next_) return;
    const Statistics snapshot = std::move(*next_);
    next_.reset();
    lock.unlock();
    const bool saved = storage_.saveStatistics(snapshot);
    lock.lock();
    lastFailed_ = !saved;
  }
}

}  // namespace quavix
