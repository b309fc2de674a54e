#include <gtest/gtest.h>

#include <optional>

#include "audio_analysis.h"
#include "sound/engine_sound_system.h"
#include "test_files.h"

namespace quavix {
namespace {

using test::renderMono;
using test::slice;
using test::toneAmplitude;
using test::WavFormat;

class NoteSampleTest : public ::testing::Test {
 protected:
  bool play(const std::filesystem::path& path) { return sound.playNoteSample(path.string()); }

  test::TempDir dir;
  AudioEngine engine{AudioEngine::Output::caller};
  EngineSoundSystem sound{engine};
};

TEST_F(NoteSampleTest, SecondSampleStopsTheFirstAtOnce) {
  test::writeFile(dir / "a.wav", test::toneWav(22050, 1, WavFormat::s16, 440, 1.0));
  test::writeFile(dir / "b.wav", test::toneWav(22050, 1, WavFormat::s16, 1000, 1.0));
  ASSERT_TRUE(play(dir / "a.wav"));
  ASSERT_GT(toneAmplitude(renderMono(engine, 0.05), 440), 0.4);
  ASSERT_TRUE(play(dir / "b.wav"));
  const auto after = renderMono(engine, 0.5);
  EXPECT_GT(toneAmplitude(after, 1000), 0.4);
  EXPECT_LT(toneAmplitude(after, 440), 0.004);
}

TEST_F(NoteSampleTest, SameSampleIsReadFromItsFileEachTime) {
  const auto path = dir / "2.wav";
  test::writeFile(path, test::toneWav(22050, 1, WavFormat::s16, 440, 1.0));
  ASSERT_TRUE(play(path));
  renderMono(engine, 0.05);
  test::writeFile(path, test::toneWav(22050, 1, WavFormat::s16, 1000, 1.0));
  ASSERT_TRUE(play(path));
  const auto after = renderMono(engine, 0.5);
  EXPECT_GT(toneAmplitude(after, 1000), 0.4);
  EXPECT_LT(toneAmplitude(after, 440), 0.004);
}

struct FormatCase {
  int rate;
  int channels;
  WavFormat format;
};

TEST_F(NoteSampleTest, AnyRateAndChannelsPlayAtTheirOwnPitchAndLengthOnce) {
  const FormatCase cases[] = {
      {22050, 1, WavFormat::s16}, {8000, 1, WavFormat::u8},   {11025, 2, WavFormat::s16},
      {44100, 2, WavFormat::s16}, {48000, 1, WavFormat::f32}, {96000, 2, WavFormat::s32},
      {16000, 6, WavFormat::s16},
  };
  constexpr double kFrequency = 500, kSeconds = 0.25;
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.rate) + " Hz, " + std::to_string(c.channels) + " channels");
    test::writeFile(dir / "tone.wav",
                    test::toneWav(c.rate, c.channels, c.format, kFrequency, kSeconds));
    ASSERT_TRUE(play(dir / "tone.wav"));
    const auto out = renderMono(engine, 1.0);
    EXPECT_GT(test::semitoneContrast(slice(out, 0, kSeconds), kFrequency), 10);
    EXPECT_NEAR(test::soundingLength(out, 0.05), kSeconds, 0.005);
  }
}

struct BrokenCase {
  const char* name;
  std::optional<std::string> bytes;  // nullopt: no such file
};

TEST_F(NoteSampleTest, BrokenFileFailsInOneLineAndThePreviousSamplePlaysOn) {
  const std::string tone = test::toneWav(22050, 1, WavFormat::s16, 500, 0.5);
  const BrokenCase cases[] = {
      {"missing.wav", std::nullopt},
      {"empty.wav", ""},
      {"header-only.wav", test::wavHeader(0)},
      {"truncated.wav", tone.substr(0, tone.size() / 2)},
      {"promised-data.wav", test::wavHeader(44100)},
      {"text.wav", "These are not the sounds you are looking for.\n"},
  };
  test::writeFile(dir / "long.wav", test::toneWav(22050, 1, WavFormat::s16, 440, 3.0));
  ASSERT_TRUE(play(dir / "long.wav"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.bytes) test::writeFile(dir / c.name, *c.bytes);
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(play(dir / c.name));
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(test::lineCount(said), 1) << said;
    EXPECT_NE(said.find(c.name), std::string::npos) << said;
    EXPECT_GT(toneAmplitude(renderMono(engine, 0.2), 440), 0.4);
  }
}

}  // namespace
}  // namespace quavix
