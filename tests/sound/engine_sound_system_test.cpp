#include "platform/sound/engine_sound_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "sound_test_support.h"
#include "tests/support/fifo_guard.h"

namespace quavix::test {

struct Broken {
  const char* name;
  std::string bytes;        // none: no such file, or the FIFO
  const char* reason = "";  // what the line must say, where it matters
  uint64_t size = 0;        // made this long with a hole after the bytes
  bool fifo = false;        // a FIFO that nobody writes to
};

// A long sample plays on through hostile files: each is refused in one line that says why, at
// once, and with no more memory than a real recording takes. Then recordings of any format,
// each written over the same file, take its place at their own pitch and length.
TEST(NoteSamples, BrokenOnesAreRefusedAndEachGoodOneReadAfreshReplacesTheOneBefore) {
  constexpr uint32_t kMB = 1024 * 1024;
  const Broken broken[] = {
      // Its track ends where it starts: looped, it would never get anywhere.
      {"no-time.mid", "MThd\0\0\0\6\0\0\0\1\0\x60MTrk\0\0\0\4\0\xFF\x2F\0"s},
      {"huge.mid", kOneNoteTune, "larger than 4 MB", 4 * kMB + 1},
      {"fifo.wav", "", "FIFO", 0, true},
      {"cut.wav", toneWav(22050, 1, 500, 0.5).substr(0, 5000)},
      {"one-frame.wav", toneWav(96000, 1, 500, 1.5 / 96000)},  // less than one output frame
      {"1-hz.wav", wavHeader(1, 1, kMB), "1 Hz", 44 + kMB},
      {"max-hz.wav", wavHeader(0x7FFFFFFF, 8, 16), "2147483647 Hz", 44 + 16},
      {"9-channels.wav", toneWav(22050, 9, 500, 0.1), "9 channels"},
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
  const std::tuple<uint32_t, uint32_t, double> formats[] = {{22050, 1, 1000}, {8000, 1, 700},
                                                            {11025, 2, 800},  {44100, 2, 900},
                                                            {96000, 2, 1100}, {16000, 6, 1200}};
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
  }
}

}  // namespace quavix::test
