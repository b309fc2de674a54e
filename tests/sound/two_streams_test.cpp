// The tune and the keys on streams of their own.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <ranges>
#include <span>
#include <thread>
#include <vector>

#include "core/midi_words.h"
#include "platform/sound/sound_services.h"

namespace quavix::test {
namespace {

using namespace std::chrono_literals;

float peakOf(const float* stereo, int frames) {
  return std::ranges::max(std::span(stereo, frames * kOutputChannels) |
                          std::views::transform([](float x) { return std::abs(x); }));
}

bool waitFor(auto done) {
  for (int ms = 0; !done(); ++ms) {
    if (ms == 10'000) return false;
    std::this_thread::sleep_for(1ms);
  }
  return true;
}

}  // namespace

// Rendered as the two streams ask for them, keys and samples that come and go leave the tune the
// same to the last bit as a tune alone. Each press sounds from its first buffer, and once
// released the keys fade through a quiet tail to silence, so that their stream can close before
// the next.
TEST(TwoStreams, KeysComeAndGoBesideAnUnbrokenTune) {
  SoundServices alone{AudioEngine::Output::caller}, withKeys{AudioEngine::Output::caller};
  ASSERT_TRUE(alone.sound().setUpAudio() && withKeys.sound().setUpAudio());
  uint32_t handle = 0;
  withKeys.midi().midiOutOpen(&handle, 0);
  std::vector<float> reference(kTuneBuffer.requestFrames * kOutputChannels), tune(reference);
  float keys[kKeyBuffer.requestFrames * kOutputChannels], tuneLoudest = 0;
  bool keysOpen = false;
  std::vector<PulseStream::Rendered> firstKey;  // what its buffers held, each change once
  const auto renderKeys = [&](int round) {
    const auto rendered = withKeys.engine().renderKeys(keys, kKeyBuffer.requestFrames);
    if (round < 40 && (firstKey.empty() || firstKey.back() != rendered))
      firstKey.push_back(rendered);
    return rendered != PulseStream::Rendered::silence;
  };
  for (int round = 0; round < 120; ++round) {  // 50 ms each
    alone.engine().renderTune(reference.data(), kTuneBuffer.requestFrames);
    withKeys.engine().renderTune(tune.data(), kTuneBuffer.requestFrames);
    ASSERT_EQ(reference, tune) << "round " << round;
    tuneLoudest = std::max(tuneLoudest, peakOf(tune.data(), kTuneBuffer.requestFrames));
    if (round % 30 == 10) {  // a key, a sample, a key, a sample
      EXPECT_FALSE(keysOpen) << "still sounding at round " << round;
      if (round % 60 == 10) withKeys.midi().midiOutShortMsg(handle, noteOnWord(7));
      if (round % 60 == 40) withKeys.sound().playNoteSample("2.wav");
      keysOpen = renderKeys(round);
      EXPECT_GT(peakOf(keys, kKeyBuffer.requestFrames), 1e-4f) << "round " << round;
    }
    if (round % 60 == 12) withKeys.midi().midiOutShortMsg(handle, noteOffWord(7));
    for (int i = 0; keysOpen && i < kTuneBuffer.requestFrames / kKeyBuffer.requestFrames; ++i) {
      keysOpen = renderKeys(round);
    }
  }
  EXPECT_GT(tuneLoudest, 0.01f);
  // Released, the key wavers about the quiet tail's level on its way down.
  using enum PulseStream::Rendered;
  ASSERT_GE(firstKey.size(), 3u);
  EXPECT_EQ(firstKey.front(), sound);
  EXPECT_EQ(std::vector(firstKey.end() - 2, firstKey.end()), (std::vector{quietTail, silence}));
}

// On a PulseAudio server of the test's own, the keys' stream opens for a press, waits through the
// quiet tail on the long buffer, closes once silent and opens again for the next press or sample;
// each sound comes in the short buffer, even one that starts in a tail.
TEST(TwoStreams, OnASoundServerTheKeysStreamOpensOnlyWhileItSounds) {
  std::string dir = std::filesystem::temp_directory_path() / "quavix-pulse-XXXXXX";
  ASSERT_NE(mkdtemp(dir.data()), nullptr);
  setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
  struct Stop {  // the server and its folder go, however the test ends
    const std::string& dir;
    ~Stop() {
      // The server removes its own socket as it goes: wait for it, or the two removals race.
      std::system("pulseaudio --kill");
      for (int i = 0; i < 100 && std::system("pulseaudio --check") == 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
      }
      std::error_code ignored;
      std::filesystem::remove_all(dir, ignored);
    }
  } stop{dir};
  ASSERT_EQ(std::system(("pulseaudio -n --daemonize --load=module-null-sink "
                         "--load=module-native-protocol-unix --log-target=file:" +
                         dir + "/log")
                            .c_str()),
            0);
  std::atomic<bool> loud = false;
  std::atomic<int> quietMs = 0, loudFrames = 0, largest = 0;
  unsetenv("SDL_AUDIODRIVER");
  SoundServices services{AudioEngine::Output::soundCard, [&](const float* stereo, int frames) {
                           if (!loud && peakOf(stereo, frames) > 0.01f) loudFrames = frames;
                           loud = loud || peakOf(stereo, frames) > 0.01f;
                           largest = std::max(largest.load(), frames);
                           quietMs = 0;
                         }};
  uint32_t handle = 0;
  ASSERT_EQ(services.midi().midiOutOpen(&handle, 0), kMidiOk);  // once the sound has been set up
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  EXPECT_TRUE(services.sound().setUpAudio());
  for (int press = 0; press < 3; ++press) {
    loud = false;
    largest = 0;
    if (press < 2) services.midi().midiOutShortMsg(handle, noteOnWord(7));
    if (press == 2) services.sound().playNoteSample("2.wav");
    EXPECT_TRUE(waitFor([&] { return loud.load(); })) << "press " << press;
    EXPECT_LE(loudFrames, kKeyBuffer.frames) << "press " << press;
    services.midi().midiOutShortMsg(handle, noteOffWord(7));
    if (press == 0) {
      EXPECT_TRUE(waitFor([&] { return largest >= kQuietBuffer.requestFrames; })) << "no tail";
      continue;
    }
    // Under SDL, or with a stream that never closes, the listener would hear silence on and on.
    EXPECT_TRUE(waitFor([&] { return ++quietMs > 500; })) << "closed after press " << press;
  }
}

}  // namespace quavix::test
