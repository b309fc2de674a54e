#include "platform/files/background_saves.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <vector>

namespace quavix {
namespace {

// Writes, all failing, that wait for the test to open the gate; each keeps its number of games.
struct GatedStorage : StatisticsStorage {
  std::mutex mutex;
  std::condition_variable changed;
  bool open = false;
  std::vector<size_t> started, written;

  StoredStatistics loadStatistics() override { return {}; }
  bool saveStatistics(const Statistics& statistics) override {
    std::unique_lock lock(mutex);
    started.push_back(statistics.games.size());
    changed.notify_all();
    changed.wait(lock, [this] { return open; });
    written.push_back(statistics.games.size());
    changed.notify_all();
    return false;
  }
  void waitUntil(bool opening, const std::function<bool()>& done) {
    std::unique_lock lock(mutex);
    open = open || opening;
    changed.notify_all();
    changed.wait(lock, done);
  }
};

// Saves return while a write is under way; of those asked for meanwhile only the newest is
// written next; a failed write makes a later save say so; the end waits for the last write.
TEST(BackgroundSaves, TheNewestSaveIsWrittenOffTheCallersThreadAndBeforeTheEnd) {
  GatedStorage storage;
  using Games = std::vector<GameRecord>;
  {
    BackgroundSaves saves(storage);
    EXPECT_TRUE(saves.saveStatistics({.games = Games(1)}));
    storage.waitUntil(false, [&] { return !storage.started.empty(); });
    auto asked = std::async(std::launch::async, [&] {
      return saves.saveStatistics({.games = Games(2)}) && saves.saveStatistics({.games = Games(3)});
    });
    ASSERT_EQ(asked.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_TRUE(asked.get()) << "no write has failed yet";
    storage.waitUntil(true, [&] { return storage.written.size() == 2; });
    EXPECT_FALSE(saves.saveStatistics({.games = Games(4)}));
  }
  EXPECT_EQ(storage.written, (std::vector<size_t>{1, 3, 4}));
}

}  // namespace
}  // namespace quavix
