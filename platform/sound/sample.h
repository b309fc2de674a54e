#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace quavix {

// A whole recording in the output format: interleaved float stereo at the output rate.
struct Sample {
  std::vector<float> stereo;
};

// Reads a WAV file afresh and converts it, whatever its rate, channels and sample format.
// Null when it is missing, unreadable, truncated, not a WAV file or holds no sound; `problem`
// then says why.
std::unique_ptr<Sample> loadSample(const std::filesystem::path& path, std::string& problem);

}  // namespace quavix
