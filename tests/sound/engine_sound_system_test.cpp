#include "platform/sound/engine_sound_system.h"

#include <gtest/gtest.h>

#include "sound_test_support.h"
#include "tests/support/fifo_guard.h"

namespace quavix::test {

// Its track ends where it starts: looped, it would never get anywhere.
const std::string kNoTimeTune = "MThd\0\0\0\6\0\0\0\1\0\x60MTrk\0\0\0\4\0\xFF\x2F\0"s;

class EngineSoundSystemTest : public testing::Test {
 protected:
  bool play(const char* name) { return sound.playNoteSample(dir / name); }

  TempDir dir;
  AudioEngine engine{AudioEngine::Output::caller};
  EngineSoundSystem sound{engine};
};

TEST_F(EngineSoundSystemTest, TuneLoopsFromItsStart) {
  writeBytes(dir / "loop.mid", kOneNoteTune);
  EngineSoundSystem tune{engine, dir / "loop.mid"};
  ASSERT_TRUE(tune.setUpAudio());
  const double note = toneAmplitude(renderMono(engine, 0.2), kC5);
  for (int round = 1; round <= 2; ++round) {
    renderMono(engine, 1.7);
    EXPECT_LT(toneAmplitude(renderMono(engine, 0.09), kC5), 0.1 * note) << round;
    renderMono(engine, 0.02);
    EXPECT_GT(toneAmplitude(renderMono(engine, 0.19), kC5), 0.7 * note) << round;
  }
}

// Another file, then the same file changed in between: each time only the new sound is heard.
TEST_F(EngineSoundSystemTest, OnlyTheLatestSampleIsHeardReadAfresh) {
  for (const char* second : {"b.wav", "a.wav"}) {
    writeBytes(dir / "a.wav", toneWav(22050, 1, 440, 1.0));
    ASSERT_TRUE(play("a.wav"));
    ASSERT_GT(toneAmplitude(renderMono(engine, 0.05), 440), 0.4);
    writeBytes(dir / second, toneWav(22050, 1, 1000, 1.0));
    ASSERT_TRUE(play(second));
    const auto after = renderMono(engine, 0.5);
    EXPECT_GT(toneAmplitude(after, 1000), 0.4) << second;
    EXPECT_LT(toneAmplitude(after, 440), 0.004) << second;
  }
}

TEST_F(EngineSoundSystemTest, SamplesOfAnyRateAndChannelsPlayAtTheirOwnPitchAndLength) {
  const std::pair<uint32_t, uint32_t> formats[] = {{22050, 1}, {8000, 1},  {11025, 2},
                                                   {44100, 2}, {96000, 2}, {16000, 6}};
  for (const auto& [rate, channels] : formats) {
    SCOPED_TRACE(testing::Message() << rate << " Hz, " << channels << " channels");
    writeBytes(dir / "tone.wav", toneWav(rate, channels, 500, 0.25));
    ASSERT_TRUE(play("tone.wav"));
    const auto out = renderMono(engine, 0.5);
    EXPECT_GT(semitoneContrast(out, 500), 10);
    const auto last =
        std::find_if(out.rbegin(), out.rend(), [](double x) { return std::abs(x) > 0.05; });
    EXPECT_NEAR(static_cast<double>(out.rend() - last) / kOutputRate, 0.25, 0.005);
  }
}

struct Broken {
  const char* name;
  std::optional<std::string> bytes = std::nullopt;  // none: no such file
  const char* reason = "";                          // what the line must say, where it matters
  uint64_t size = 0;                                // made this long with a hole after the bytes
  bool fifo = false;                                // a FIFO that nobody writes to
};

// Hostile files among them: each is refused in one line that says why, at once, and with no
// more memory than a real recording takes.
TEST_F(EngineSoundSystemTest, BrokenTuneOrSampleFailsInOneLineAndThePreviousSamplePlaysOn) {
  constexpr uint32_t kMB = 1024 * 1024;
  const std::string tone = toneWav(22050, 1, 500, 0.5);
  const Broken broken[] = {
      {.name = "missing.mid"},
      {.name = "no-time.mid", .bytes = kNoTimeTune},
      {.name = "fifo.mid", .reason = "FIFO", .fifo = true},
      {.name = "huge.mid",
       .bytes = kOneNoteTune,
       .reason = "larger than 4 MB",
       .size = 4 * kMB + 1},
      {.name = "missing.wav"},
      {.name = "empty.wav", .bytes = ""},
      {.name = "no-frames.wav", .bytes = toneWav(22050, 1, 500, 0)},
      {.name = "header-only.wav", .bytes = tone.substr(0, 44)},
      {.name = "cut.wav", .bytes = tone.substr(0, tone.size() / 2)},
      {.name = "text.wav", .bytes = "not audio at all\n"},
      // Less than one output frame.
      {.name = "one-frame.wav", .bytes = toneWav(96000, 1, 500, 1.5 / 96000)},
      {.name = "fifo.wav", .reason = "FIFO", .fifo = true},
      {.name = "1-hz.wav", .bytes = wavHeader(1, 1, kMB), .reason = "1 Hz", .size = 44 + kMB},
      {.name = "50-hz.wav", .bytes = toneWav(50, 1, 5, 1.0), .reason = "50 Hz"},
      {.name = "max-hz.wav",
       .bytes = wavHeader(0x7FFFFFFF, 8, 16),
       .reason = "2147483647 Hz",
       .size = 44 + 16},
      {.name = "9-channels.wav", .bytes = toneWav(22050, 9, 500, 0.1), .reason = "9 channels"},
      {.name = "11-seconds.wav", .bytes = toneWav(8000, 1, 500, 11), .reason = "10 seconds"},
      // Within every other bound, but slow to convert.
      {.name = "8-channels-192-khz.wav",
       .bytes = wavHeader(192000, 8, 30'720'000),
       .reason = "15360000 samples",
       .size = 44 + 30'720'000},
      {.name = "33-mb.wav",
       .bytes = wavHeader(192000, 8, 33 * kMB),
       .reason = "larger than 32 MB",
       .size = 44 + 33 * kMB},
  };
  writeBytes(dir / "long.wav", toneWav(22050, 1, 440, 6.0));
  ASSERT_TRUE(play("long.wav"));
  for (const auto& [name, bytes, reason, size, fifo] : broken) {
    const std::string path = dir / name;
    if (bytes) writeBytes(path, *bytes);
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
}

}  // namespace quavix::test
