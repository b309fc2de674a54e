#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

namespace quavix {

inline std::string readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Creates the folders on the way.
inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

// What `run` printed on stderr is one line that names `path`.
inline testing::AssertionResult oneLineNaming(const std::filesystem::path& path,
                                              const std::function<void()>& run) {
  testing::internal::CaptureStderr();
  run();
  const std::string err = testing::internal::GetCapturedStderr();
  if (std::ranges::count(err, '\n') == 1 && err.find(path.string()) != err.npos) {
    return testing::AssertionSuccess();
  }
  return testing::AssertionFailure() << "stderr: " << err;
}

}  // namespace quavix
