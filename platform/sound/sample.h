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

// Reads a WAV file afresh and converts it, whatever its sample format, at 8 to 192 kHz with up to
// 8 channels. Null when it is missing, not a regular file, unreadable, truncated, not a WAV file,
// longer or larger than a spoken note name could need or holds no sound; `problem` then says why.
std::unique_ptr<Sample> loadSample(const std::filesystem::path& path, std::string& problem);
// Makes SDL refuse a recording cut short rather than play it in part. SDL's hints are not
// guarded against its audio thread reading them, so this is set once, before a device opens.
void refuseTruncatedRecordings();

}  // namespace quavix
