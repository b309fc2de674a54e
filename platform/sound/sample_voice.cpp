#include "platform/sound/sample_voice.h"

#include <algorithm>
#include <utility>

#include "platform/sound/audio_format.h"

namespace quavix {

std::unique_ptr<Sample> SampleVoice::replace(std::unique_ptr<Sample> next) {
  position_ = 0;
  return std::exchange(sample_, std::move(next));
}

bool SampleVoice::mixInto(float* stereo, int frames) {
  if (!sample_) return false;
  const auto& source = sample_->stereo;
  const size_t count =
      std::min(static_cast<size_t>(frames) * kOutputChannels, source.size() - position_);
  for (size_t i = 0; i < count; ++i) stereo[i] += source[position_ + i];
  position_ += count;
  return count > 0;
}

}  // namespace quavix
