#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <optional>
#include <string>

#include "platform/sound/audio_engine.h"

namespace quavix::test {

// The SoundFont the sound is measured with; setup.sh installs it.
inline constexpr char kTimGM6mb[] = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// Mono sound at the output rate.
using Signal = std::vector<double>;

// The next `seconds` of the engine's mix, folded to mono.
inline Signal renderMono(AudioEngine& engine, double seconds) {
  std::vector<float> stereo(static_cast<size_t>(seconds * kOutputRate) * kOutputChannels);
  engine.render(stereo.data(), static_cast<int>(stereo.size() / kOutputChannels));
  Signal mono(stereo.size() / 2);
  for (size_t i = 0; i < mono.size(); ++i) mono[i] = 0.5 * (stereo[2 * i] + stereo[2 * i + 1]);
  return mono;
}

// Amplitude of the component at `hz`, measured through a Hann window.
inline double toneAmplitude(const Signal& signal, double hz) {
  std::complex<double> sum;
  for (size_t i = 0; i < signal.size(); ++i) {
    const double window = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * i / (signal.size() - 1));
    sum += signal[i] * window * std::polar(1.0, 2 * std::numbers::pi * hz * i / kOutputRate);
  }
  return 4 * std::abs(sum) / (signal.size() - 1);  // the window sums to (n - 1) / 2
}

// How much stronger the component at `hz` is than those a semitone either side.
inline double semitoneContrast(const Signal& signal, double hz) {
  const double semitone = std::pow(2.0, 1.0 / 12);
  return toneAmplitude(signal, hz) /
         std::max(toneAmplitude(signal, hz / semitone), toneAmplitude(signal, hz * semitone));
}

// Little-endian, as on the hosts this runs on.
inline std::string littleEndian(uint32_t value, int bytes) {
  return std::string(reinterpret_cast<char*>(&value), bytes);
}

// The header of a 16-bit PCM WAV file whose sound of `dataBytes` follows; the rate and channels
// are what it claims, however odd.
inline std::string wavHeader(uint32_t rate, uint32_t channels, uint32_t dataBytes) {
  const auto le = littleEndian;
  return "RIFF" + le(36 + dataBytes, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(channels, 2) +
         le(rate, 4) + le(rate * channels * 2, 4) + le(channels * 2, 2) + le(16, 2) + "data" +
         le(dataBytes, 4);
}

// A 16-bit WAV file of a sine tone at half of full scale, the same in every channel.
inline std::string toneWav(uint32_t rate, uint32_t channels, double hz, double seconds) {
  const auto frames = static_cast<uint32_t>(seconds * rate), dataBytes = frames * channels * 2;
  std::string out = wavHeader(rate, channels, dataBytes);
  for (uint32_t i = 0; i < frames * channels; ++i) {
    const double x = std::sin(2 * std::numbers::pi * hz * (i / channels) / rate);
    out += littleEndian(static_cast<uint16_t>(std::lround(16383 * x)), 2);
  }
  return out;
}

// A fresh directory, removed with everything in it at the end.
struct TempDir {
  std::string path = std::filesystem::temp_directory_path() / "quavix-sound-XXXXXX";
  TempDir() { mkdtemp(path.data()); }
  ~TempDir() { std::filesystem::remove_all(path); }
  std::string operator/(const char* name) const { return path + '/' + name; }
};

inline void writeFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// Sets an environment variable for the life of the object; unset counts as empty.
struct ScopedEnv {
  ScopedEnv(const char* name, const char* value)
      : name(name), old(getenv(name) ? getenv(name) : "") {
    setenv(name, value, 1);
  }
  ~ScopedEnv() { setenv(name, old.c_str(), 1); }
  const char* name;
  std::string old;
};

// Whether stderr, captured since testing::internal::CaptureStderr(), holds one line naming
// `subject` and saying `reason`, or nothing at all when `subject` is empty.
inline testing::AssertionResult saidOneLineAbout(const std::string& subject,
                                                 const std::string& reason = "") {
  const std::string said = testing::internal::GetCapturedStderr();
  const bool right = subject.empty() ? said.empty()
                                     : said.find('\n') + 1 == said.size() &&
                                           said.find(subject) != std::string::npos &&
                                           said.find(reason) != std::string::npos &&
                                           said.find("()") == std::string::npos;
  return right ? testing::AssertionSuccess() : testing::AssertionFailure() << "stderr: " << said;
}

}  // namespace quavix::test
