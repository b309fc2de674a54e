// The sound's savings keep everything audible. (The tune borrowing the keyboard's SoundFont, the
// missing drum kit and the sound card set up in the background are checked in the sound tests.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tests/sound/sound_test_support.h"

namespace quavix {

// Against a keyboard rendered all the time: the reverb's tail after a release is kept down to
// -100 dBFS, and a press after a long silence sounds as loud from its very first buffer. (The
// reverb's slow inner modulation resumes where it stopped, so the two differ a little there,
// by far less than a quarter of a decibel.)
TEST(SilentKeyboard, SkipsNothingAudible) {
  std::string problem;
  const auto always = Synthesizer::create(test::kTimGM6mb, 1.0, problem);
  const auto whileSounding = Synthesizer::create(test::kTimGM6mb, 1.0, problem);
  ASSERT_TRUE(always && whileSounding) << problem;
  // Buffers of 256 frames, 188 to the second: a press, 6 s of silence, another press.
  constexpr int kRelease = 40, kPressAgain = 1100, kEnd = 1140, kMiddleC = 60;
  std::vector<float> reference(kDeviceBufferFrames * kOutputChannels), skipping(reference.size());
  float tailDifference = 0;
  double referenceEnergy = 0, skippingEnergy = 0;
  for (int buffer = 0; buffer < kEnd; ++buffer) {
    for (const auto& synth : {always.get(), whileSounding.get()}) {
      // The most reverb a channel can send, so that its tail outlasts the voice.
      if (buffer == 0) fluid_synth_cc(synth->get(), 13, 91, 127);
      if (buffer == 0 || buffer == kPressAgain) fluid_synth_noteon(synth->get(), 13, kMiddleC, 100);
      if (buffer == kRelease) fluid_synth_noteoff(synth->get(), 13, kMiddleC);
    }
    std::ranges::fill(reference, 0.0f);
    std::ranges::fill(skipping, 0.0f);
    always->mixInto(reference.data(), kDeviceBufferFrames);
    whileSounding->mixIntoWhileSounding(skipping.data(), kDeviceBufferFrames);
    for (size_t i = 0; i < reference.size(); ++i) {
      if (buffer < kPressAgain) {
        tailDifference = std::max(tailDifference, std::abs(reference[i] - skipping[i]));
      } else {
        referenceEnergy += reference[i] * reference[i];
        skippingEnergy += skipping[i] * skipping[i];
      }
    }
    if (buffer == kPressAgain) {
      EXPECT_GT(std::ranges::max(skipping), 0.5f * std::ranges::max(reference));
    }
  }
  EXPECT_LT(tailDifference, 1e-5f);
  EXPECT_NEAR(10 * std::log10(skippingEnergy / referenceEnergy), 0.0, 0.25);  // dB
}

}  // namespace quavix
