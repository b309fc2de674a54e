#pragma once

// What the latency measurements share: the sound output's callback tells a waiting thread when
// the first frames of a note were carried, and when the output last made a sound.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "platform/sound/audio_format.h"
#include "platform/sound/sound_services.h"

namespace latency {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr float kAudible = 1e-4f;  // -80 dBFS: the first frames of the note's attack
constexpr float kQuiet = 1e-5f;

inline int64_t nowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
      .count();
}

struct Heard {
  std::atomic<int64_t> sentAt{0};     // when the note left; 0 while none is waited for
  std::atomic<int64_t> audibleAt{0};  // end of the first callback that carried it
  std::atomic<int64_t> lastLoudAt{0};
  std::atomic<int> frames{0};  // of that callback
  // Over the tail of a note before, a new note is heard from its louder frames on.
  std::atomic<float> audible{kAudible};

  // From the output's callback, after the mix.
  void listen(const float* stereo, int count) {
    float peak = 0;
    for (int i = 0; i < count * quavix::kOutputChannels; ++i) {
      peak = std::max(peak, std::abs(stereo[i]));
    }
    const int64_t now = nowNs();
    if (peak > kQuiet) lastLoudAt = now;
    if (peak > audible && sentAt != 0 && audibleAt == 0) {
      frames = count;
      audibleAt = now;
    }
  }
  double bufferMs() const { return 1000.0 * frames / quavix::kOutputRate; }
  double delayMs() const { return static_cast<double>(audibleAt - sentAt) / 1e6; }
};

// The keyboard's synthesiser on the default sound output, as the game plays it, listened to after
// every mix of the keys.
struct HeardKeyboard {
  Heard heard;
  quavix::SoundServices sound{
      quavix::AudioEngine::Output::soundCard,
      [this](const float* stereo, int frames) { heard.listen(stereo, frames); }};
  uint32_t handle = 0;

  // False, with one line on stderr naming the program, without a synthesiser or sound output.
  bool open(const char* program) {
    if (!sound.engine().hasOutput()) {
      std::fprintf(stderr, "%s: no sound output\n", program);
      return false;
    }
    if (sound.midi().midiOutOpen(&handle, 0) != 0) {
      std::fprintf(stderr, "%s: the keyboard has no synthesiser\n", program);
      return false;
    }
    return true;
  }
};

inline bool waitFor(auto done, milliseconds limit) {
  const auto end = Clock::now() + limit;
  while (!done()) {
    if (Clock::now() > end) return false;
    std::this_thread::sleep_for(milliseconds(1));
  }
  return true;
}

inline bool waitForSilence(const Heard& heard) {
  return waitFor([&] { return nowNs() - heard.lastLoudAt > 300'000'000; }, milliseconds(5000));
}

struct Spread {
  double median = 0, worst = 0;
};
inline Spread spreadOf(std::vector<double> delays) {
  std::sort(delays.begin(), delays.end());
  return {delays[delays.size() / 2], delays.back()};
}

}  // namespace latency
