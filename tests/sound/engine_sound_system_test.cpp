#include "platform/sound/engine_sound_system.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <filesystem>
#include <numbers>
#include <string>
#include <tuple>

#include "core/midi_words.h"
#include "platform/sound/sound_services.h"
#include "tests/files/file_bytes.h"
#include "tests/sound/sound_test_support.h"
#include "tests/support/fifo_guard.h"

namespace quavix::test {
namespace {

using namespace std::string_literals;

// The next `seconds` of the engine's mix, folded to mono.
std::vector<double> renderMono(AudioEngine& engine, double seconds) {
  std::vector<float> stereo(static_cast<size_t>(seconds * kOutputRate) * kOutputChannels);
  engine.render(stereo.data(), static_cast<int>(stereo.size() / kOutputChannels));
  std::vector<double> mono(stereo.size() / 2);
  for (size_t i = 0; i < mono.size(); ++i) mono[i] = 0.5 * (stereo[2 * i] + stereo[2 * i + 1]);
  return mono;
}

// Amplitude of the component at `hz`, measured through a Hann window.
double toneAmplitude(const std::vector<double>& signal, double hz) {
  std::complex<double> sum;
  for (size_t i = 0; i < signal.size(); ++i) {
    const double window = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * i / (signal.size() - 1));
    sum += signal[i] * window * std::polar(1.0, 2 * std::numbers::pi * hz * i / kOutputRate);
  }
  return 4 * std::abs(sum) / (signal.size() - 1);  // the window sums to (n - 1) / 2
}

// How much stronger the component at `hz` is than those a semitone either side.
double semitoneContrast(const std::vector<double>& signal, double hz) {
  const double semitone = std::pow(2.0, 1.0 / 12);
  return toneAmplitude(signal, hz) /
         std::max(toneAmplitude(signal, hz / semitone), toneAmplitude(signal, hz * semitone));
}

// The header of a 16-bit PCM WAV file whose sound of `dataBytes` follows; the rate and channels
// are what it claims, however odd. Little-endian, as on the hosts this runs on.
std::string wavHeader(uint32_t rate, uint32_t channels, uint32_t dataBytes) {
  const auto le = [](uint32_t v, int n) { return std::string(reinterpret_cast<char*>(&v), n); };
  return "RIFF" + le(36 + dataBytes, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(channels, 2) +
         le(rate, 4) + le(rate * channels * 2, 4) + le(channels * 2, 2) + le(16, 2) + "data" +
         le(dataBytes, 4);
}

// A 16-bit WAV file of a sine tone at half of full scale, the same in every channel.
std::string toneWav(uint32_t rate, uint32_t channels, double hz, double seconds) {
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
testing::AssertionResult saidOneLineAbout(const std::string& subject,
                                          const std::string& reason = "") {
  const std::string said = testing::internal::GetCapturedStderr();
  if (subject.empty() ? said.empty()
                      : said.find('\n') + 1 == said.size() && said.find(subject) != said.npos &&
                            said.find(reason) != said.npos && said.find("()") == said.npos) {
    return testing::AssertionSuccess();
  }
  return testing::AssertionFailure() << "stderr: " << said;
}

}  // namespace

// A long sample plays on through hostile files: each is refused in one line that says why, at
// once, and with no more memory than a real recording takes. Then recordings of any format,
// each written over the same file, take its place at their own pitch and length.
TEST(NoteSamples, BrokenOnesAreRefusedAndEachGoodOneReadAfreshReplacesTheOneBefore) {
  constexpr uint32_t kMB = 1024 * 1024;
  const struct {
    const char* name;
    std::string bytes;        // none: no such file, or the FIFO
    const char* reason = "";  // what the line must say, where it matters
    uint64_t size = 0;        // made this long with a hole after the bytes
    bool fifo = false;        // a FIFO that nobody writes to
  } broken[] = {
      // Its track ends where it starts: looped, it would never get anywhere.
      {"no-time.mid", "MThd\0\0\0\6\0\0\0\1\0\x60MTrk\0\0\0\4\0\xFF\x2F\0"s},
      {"huge.mid", "MThd", "larger than 4 MB", 4 * kMB + 1},
      {"fifo.wav", "", "FIFO", 0, true},
      {"cut.wav", toneWav(22050, 1, 500, 0.5).substr(0, 5000)},
      {"one-frame.wav", toneWav(96000, 1, 500, 1.5 / 96000)},  // less than one output frame
      {"max-hz.wav", wavHeader(0x7FFFFFFF, 8, 16), "2147483647 Hz", 44 + 16},
      {"11-seconds.wav", toneWav(8000, 1, 500, 11), "10 seconds"},
      // Within every other bound, but slow to convert.
      {"8-channels-192-khz.wav", wavHeader(192000, 8, 30'720'000), "15360000 samples",
       44 + 30'720'000},
      {"33-mb.wav", wavHeader(192000, 8, 33 * kMB), "larger than 32 MB", 44 + 33 * kMB},
  };
  const TempDir dir;
  AudioEngine engine{AudioEngine::Output::caller};
  EngineSoundSystem sound{engine};
  const auto play = [&](const char* name) { return sound.playNoteSample(dir / name); };
  writeBytes(dir / "long.wav", toneWav(22050, 1, 440, 6.0));
  ASSERT_TRUE(play("long.wav"));
  for (const auto& [name, bytes, reason, size, fifo] : broken) {
    const std::string path = dir / name;
    if (!bytes.empty()) writeBytes(path, bytes);
    if (size != 0) std::filesystem::resize_file(path, size);
    if (fifo) makeFifo(path);
    EngineSoundSystem tune{engine, path};
    testing::internal::CaptureStderr();
    bool played = true;
    EXPECT_TRUE(returnsWithoutAWriter(path, [&] {
      played = std::string_view(name).ends_with(".mid") ? tune.setUpAudio() : play(name);
    }));
    EXPECT_FALSE(played) << name;
    EXPECT_TRUE(saidOneLineAbout(name, reason));
    EXPECT_GT(toneAmplitude(renderMono(engine, 0.2), 440), 0.4) << name;
  }
  // The microphone's cue to hear nothing: the game's own sample sounds.
  EXPECT_TRUE(engine.ownSoundPlaying());
  const std::tuple<uint32_t, uint32_t, double> formats[] = {
      {8000, 1, 700}, {44100, 2, 900}, {96000, 2, 1100}, {16000, 6, 1200}};
  for (const auto& [rate, channels, hz] : formats) {
    SCOPED_TRACE(testing::Message() << rate << " Hz, " << channels << " channels");
    writeBytes(dir / "tone.wav", toneWav(rate, channels, hz, 0.25));
    ASSERT_TRUE(play("tone.wav"));
    const auto out = renderMono(engine, 0.5);
    EXPECT_GT(semitoneContrast(out, hz), 10);
    EXPECT_LT(toneAmplitude(out, 440), 0.004);
    const auto last =
        std::find_if(out.rbegin(), out.rend(), [](double x) { return std::abs(x) > 0.05; });
    EXPECT_NEAR(static_cast<double>(out.rend() - last) / kOutputRate, 0.25, 0.005);
    renderMono(engine, 0.01);
    EXPECT_FALSE(engine.ownSoundPlaying());
  }
}

// Start-up, a key, the tune, a sample and shut-down, as the window does them. The SoundFont is
// the one named by the override alone when that is set; a FIFO named there would hold the
// start-up for good. Ended before its loading is, the sound waits for it, which would otherwise
// open the sound card behind the closing's back (the thread sanitizer sees the race however the
// threads happen to run).
TEST(Installation, WhatIsMissingIsSaidOnceAndAllGoesOn) {
  const TempDir dir;
  const std::string fifo = dir / "fifo.sf2";
  makeFifo(fifo);
  const struct {
    const char* said;  // "" for nothing
    std::string soundFont = kTimGM6mb;
    const char* driver = "dummy";
    bool synth = false;  // the keyboard and the tune sound
    bool sample = true;
  } cases[] = {
      {.said = "no sound output", .driver = "no-such-driver", .sample = false},
      {.said = "fifo.sf2", .soundFont = fifo},
      {.said = "", .soundFont = "", .synth = true},  // the first of the standard ones
      // Last, so that the environment is left as the tests' main and ctest set it.
      {.said = "", .synth = true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.said);
    setenv("SDL_AUDIODRIVER", c.driver, 1);
    setenv("QUAVIX_SOUNDFONT", c.soundFont.c_str(), 1);
    testing::internal::CaptureStderr();
    EXPECT_TRUE(returnsWithoutAWriter(fifo, [&] {
      if (*c.said == '\0') SoundServices{};  // gone before its loading ended
      SoundServices services;
      uint32_t handle = 0;
      EXPECT_EQ(services.midi().midiOutOpen(&handle, 0), c.synth ? kMidiOk : kMidiNoDriver);
      services.midi().midiOutShortMsg(handle, noteOnWord(7));
      EXPECT_EQ(services.sound().setUpAudio(), c.synth);
      EXPECT_EQ(services.sound().playNoteSample("2.wav"), c.sample);
      services.midi().midiOutClose(handle);
    }));
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "the sound card is left open";
    EXPECT_TRUE(saidOneLineAbout(c.said));
  }
}

}  // namespace quavix::test
