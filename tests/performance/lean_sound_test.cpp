// The sound's savings keep everything audible: the tune borrows the keyboard's SoundFont, no drum
// kit is loaded, a silent keyboard is not rendered, and the sound card is set up in the background.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/sound/engine_sound_system.h"
#include "platform/sound/keyboard_midi_output.h"
#include "platform/sound/soundfont_choice.h"
#include "platform/sound/synthesizer.h"
#include "tests/sound/sound_test_support.h"

namespace quavix::test {
namespace {

using namespace std::string_view_literals;

// C5 for a quarter second on channel 1, looping every 2 s.
constexpr auto kOneNoteTune =
    "MThd\0\0\0\6\0\0\0\1\0\x60"
    "MTrk\0\0\0\x0D\0\x90\x48\x64\x30\x80\x48\0\x82\x50\xFF\x2F\0"sv;
constexpr double kC4 = 261.63;
constexpr uint32_t kMiddleC = 60;

uint32_t noteOn(int channel) { return 0x640090u | kMiddleC << 8 | (channel - 1); }
uint32_t noteOff(int channel) { return 0x000080u | kMiddleC << 8 | (channel - 1); }

// Middle C on `channel` sounds its pitch, not a drum.
testing::AssertionResult soundsMiddleC(AudioEngine& engine, MidiOutput& midi, uint32_t handle,
                                       int channel) {
  midi.midiOutShortMsg(handle, noteOn(channel));
  renderMono(engine, 0.1);
  const double contrast = semitoneContrast(renderMono(engine, 0.5), kC4);
  midi.midiOutShortMsg(handle, noteOff(channel));
  renderMono(engine, 2.0);
  if (contrast > 3) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "contrast to the semitones " << contrast;
}

class LentSoundFontTest : public testing::Test {
 protected:
  void SetUp() override {
    writeFile(dir / "tune.mid", kOneNoteTune);
    ASSERT_EQ(midi.midiOutOpen(&handle, 0), kMidiOk);
  }

  TempDir dir;
  AudioEngine engine{AudioEngine::Output::caller};
  KeyboardMidiOutput midi{engine};
  EngineSoundSystem tune{engine, dir / "tune.mid"};
  uint32_t handle = 0;
};

// Each new tune deletes the one before and with it its hold on the shared instruments.
TEST_F(LentSoundFontTest, KeyboardKeepsSoundingWhileTunesComeAndGo) {
  for (int round = 1; round <= 3; ++round) {
    ASSERT_TRUE(tune.setUpAudio()) << round;
    EXPECT_GT(toneAmplitude(renderMono(engine, 0.2), 523.25), 0.01) << round;
    EXPECT_TRUE(soundsMiddleC(engine, midi, handle, 14)) << round;
  }
}

// Channel 10 plays an instrument like the others, since no drum kit is loaded.
TEST_F(LentSoundFontTest, ChannelTenPlaysPitches) {
  for (int channel : {10, 14, 1}) EXPECT_TRUE(soundsMiddleC(engine, midi, handle, channel));
}

// Against a keyboard rendered all the time: the reverb's tail after a release is kept down to
// -100 dBFS, and a press after a long silence sounds as loud from its very first buffer. (The
// reverb's slow inner modulation resumes where it stopped, so the two differ a little there,
// by far less than a quarter of a decibel.)
TEST(SilentKeyboard, SkipsNothingAudible) {
  const auto font = chooseSoundFont().path;
  ASSERT_TRUE(font);
  std::string problem;
  const auto always = Synthesizer::create(*font, 1.0, problem);
  const auto whileSounding = Synthesizer::create(*font, 1.0, problem);
  ASSERT_TRUE(always && whileSounding) << problem;
  // The most reverb a channel can send, so that its tail outlasts the voice.
  for (const auto& synth : {always.get(), whileSounding.get()})
    fluid_synth_cc(synth->get(), 13, 91, 127);
  // Buffers of 256 frames, 188 to the second: a press, 6 s of silence, another press.
  constexpr int kRelease = 40, kPressAgain = 1100, kEnd = 1140;
  std::vector<float> reference(kDeviceBufferFrames * kOutputChannels), skipping(reference.size());
  float tailDifference = 0;
  double referenceEnergy = 0, skippingEnergy = 0;
  for (int buffer = 0; buffer < kEnd; ++buffer) {
    for (const auto& synth : {always.get(), whileSounding.get()}) {
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

// The sound card's engine loads in the background; whatever comes first waits for it.
TEST(BackgroundLoading, FirstCallSeesTheLoadedEngine) {
  const std::pair<const char*, bool (*)(AudioEngine&)> firstCalls[] = {
      {"canSynthesize", [](AudioEngine& e) { return e.canSynthesize(); }},
      {"keyboard", [](AudioEngine& e) { return e.keyboard() != nullptr; }},
      {"hasOutput", [](AudioEngine& e) { return e.hasOutput(); }},
  };
  for (const auto& [name, call] : firstCalls) {
    AudioEngine engine{AudioEngine::Output::soundCard};
    EXPECT_TRUE(call(engine)) << name;
  }
}

// Its end waits for the loading, which would otherwise open the sound card behind the closing's
// back (the thread sanitizer sees the race however the threads happen to run).
TEST(BackgroundLoading, EngineGoneBeforeItsLoadingEnded) {
  for (int i = 0; i < 3; ++i) {
    std::make_unique<AudioEngine>(AudioEngine::Output::soundCard).reset();
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "the sound card is left open";
  }
}

}  // namespace
}  // namespace quavix::test
