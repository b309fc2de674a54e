// The sound's savings keep everything audible. (The tune borrowing the keyboard's SoundFont and
// the sound card set up in the background are checked in the sound tests.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tests/sound/sound_test_support.h"

namespace quavix {

// Against a keyboard rendered all the time: the reverb's tail after a release is kept down to
// -100 dBFS, and a press after a long silence sounds the same from its very first buffer.
TEST(SilentKeyboard, SkipsNothingAudible) {
  std::string problem;
  const auto always = Synthesizer::create(test::kTimGM6mb, 1.0, problem);
  const auto whileSounding = Synthesizer::create(test::kTimGM6mb, 1.0, problem);
  ASSERT_TRUE(always && whileSounding) << problem;
  // Buffers of 256 frames, 188 to the second: a press, 6 s of silence, another press.
  constexpr int kRelease = 40, kPressAgain = 1100, kMiddleC = 60;
  float difference = 0, pressed = 0;
  for (int buffer = 0; buffer <= kPressAgain; ++buffer) {
    for (const auto& synth : {always.get(), whileSounding.get()}) {
      // The most reverb a channel can send, so that its tail outlasts the voice.
      if (buffer == 0) fluid_synth_cc(synth->get(), 13, 91, 127);
      if (buffer == 0 || buffer == kPressAgain) fluid_synth_noteon(synth->get(), 13, kMiddleC, 100);
      if (buffer == kRelease) fluid_synth_noteoff(synth->get(), 13, kMiddleC);
    }
    std::vector<float> reference(kDeviceBufferFrames * kOutputChannels), skipping(reference);
    always->mixInto(reference.data(), kDeviceBufferFrames);
    whileSounding->mixIntoWhileSounding(skipping.data(), kDeviceBufferFrames);
    for (size_t i = 0; i < reference.size(); ++i) {
      difference = std::max(difference, std::abs(reference[i] - skipping[i]));
    }
    pressed = std::ranges::max(reference);
  }
  EXPECT_GT(pressed, 0.01f);
  EXPECT_LT(difference, 1e-5f);
}

}  // namespace quavix
