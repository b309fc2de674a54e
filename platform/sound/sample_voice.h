#pragma once

#include <cstddef>
#include <memory>

#include "platform/sound/sample.h"

namespace quavix {

// Plays at most one sample, once from its start.
class SampleVoice {
 public:
  // Puts `next` in the place of the current sample, which stops at once. Gives the old one back
  // so that the caller frees it outside the audio lock.
  std::unique_ptr<Sample> replace(std::unique_ptr<Sample> next);

  // Adds the next `frames` interleaved stereo frames of the sample, if one is left, to `stereo`.
  // Audio thread.
  // Returns whether any of it was left.
  bool mixInto(float* stereo, int frames);

 private:
  std::unique_ptr<Sample> sample_;
  size_t position_ = 0;  // in floats
};

}  // namespace quavix
