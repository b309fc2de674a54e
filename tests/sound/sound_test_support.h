#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <complex>
#include <filesystem>
#include <numbers>
#include <string>

#include "platform/sound/audio_engine.h"
#include "tests/files/file_bytes.h"

namespace quavix::test {

using namespace std::string_literals;

// The SoundFont the sound is measured with; setup.sh installs it.
inline constexpr char kTimGM6mb[] = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// 96 ticks a beat at the default 120 beats a minute: C5 on channel 1 for a quarter second, the
// end at 2 s.
inline const std::string kOneNoteTune =
    "MThd\0\0\0\6\0\0\0\1\0\x60"
    "MTrk\0\0\0\x0D\0\x90\x48\x64\x30\x80\x48\0\x82\x50\xFF\x2F\0"s;
inline constexpr double kC5 = 523.25;

// The next `seconds` of the engine's mix, folded to mono.
inline std::vector<double> renderMono(AudioEngine& engine, double seconds) {
  std::vector<float> stereo(static_cast<size_t>(seconds * kOutputRate) * kOutputChannels);
  engine.render(stereo.data(), static_cast<int>(stereo.size() / kOutputChannels));
  std::vector<double> mono(stereo.size() / 2);
  for (size_t i = 0; i < mono.size(); ++i) mono[i] = 0.5 * (stereo[2 * i] + stereo[2 * i + 1]);
  return mono;
}

// Amplitude of the component at `hz`, measured through a Hann window.
inline double toneAmplitude(const std::vector<double>& signal, double hz) {
  std::complex<double> sum;
  for (size_t i = 0; i < signal.size(); ++i) {
    const double window = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * i / (signal.size() - 1));
    sum += signal[i] * window * std::polar(1.0, 2 * std::numbers::pi * hz * i / kOutputRate);
  }
  return 4 * std::abs(sum) / (signal.size() - 1);  // the window sums to (n - 1) / 2
}

// How much stronger the component at `hz` is than those a semitone either side.
inline double semitoneContrast(const std::vector<double>& signal, double hz) {
  const double semitone = std::pow(2.0, 1.0 / 12);
  return toneAmplitude(signal, hz) /
         std::max(toneAmplitude(signal, hz / semitone), toneAmplitude(signal, hz * semitone));
}

// The header of a 16-bit PCM WAV file whose sound of `dataBytes` follows; the rate and channels
// are what it claims, however odd. Little-endian, as on the hosts this runs on.
inline std::string wavHeader(uint32_t rate, uint32_t channels, uint32_t dataBytes) {
  const auto le = [](uint32_t v, int n) { return std::string(reinterpret_cast<char*>(&v), n); };
  return "RIFF" + le(36 + dataBytes, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(channels, 2) +
         le(rate, 4) + le(rate * channels * 2, 4) + le(channels * 2, 2) + le(16, 2) + "data" +
         le(dataBytes, 4);
}

// A 16-bit WAV file of a sine tone at half of full scale, the same in every channel.
inline std::string toneWav(uint32_t rate, uint32_t channels, double hz, double seconds) {
  const auto frames = static_cast<uint32_t>(seconds * rate);
  std::string out = wavHeader(rate, channels, frames * channels * 2);
  for (uint32_t i = 0; i < frames * channels; ++i) {
    const auto x = static_cast<int16_t>(
        std::lround(16383 * std::sin(2 * std::numbers::pi * hz * (i / channels) / rate)));
    out.append(reinterpret_cast<const char*>(&x), 2);
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
