#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <future>

namespace quavix::test {

// A FIFO that nobody writes to, the way a hostile or mistaken file would sit where a file is read.
inline void makeFifo(const std::filesystem::path& path) {
  ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0) << path;
}

// Runs `read`, which must not wait for a writer on `fifo`. When it still waits after a few
// seconds, a writer comes and goes so that it returns, and the result is a failure.
inline testing::AssertionResult returnsWithoutAWriter(const std::filesystem::path& fifo,
                                                      const std::function<void()>& read) {
  using namespace std::chrono_literals;
  auto done = std::async(std::launch::async, read);
  if (done.wait_for(5s) == std::future_status::ready) {
    done.get();
    return testing::AssertionSuccess();
  }
  // Opening for writing ends a reader's wait in open(); closing gives it the end of the file.
  do {
    const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0) ::close(writer);
  } while (done.wait_for(100ms) != std::future_status::ready);
  done.get();
  return testing::AssertionFailure() << "waited for a writer on " << fifo;
}

}  // namespace quavix::test
