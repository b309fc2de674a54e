#include <gtest/gtest.h>

#include <optional>

#include "audio_analysis.h"
#include "game/note_model.h"
#include "sound/engine_sound_system.h"
#include "sound/keyboard_midi_output.h"
#include "sound/midi_words.h"
#include "test_files.h"

namespace quavix {
namespace {

using test::renderMono;

TEST(Tune, LoopsFromItsStartWithoutGap) {
  test::TempDir dir;
  test::writeFile(dir / "loop.mid", test::oneNoteMidi(72, 0.25, 2.0));
  AudioEngine engine{AudioEngine::Output::caller};
  EngineSoundSystem sound{engine, (dir / "loop.mid").string()};
  ASSERT_TRUE(sound.setUpAudio());

  const auto heard = test::onsets(renderMono(engine, 6.6));
  ASSERT_EQ(heard.size(), 4u);
  for (size_t i = 0; i < heard.size(); ++i) EXPECT_NEAR(heard[i], 2.0 * i, 0.015) << i;
}

TEST(Tune, BackgroundTuneStartsAtOnceUnderTheKeyboard) {
  AudioEngine engine{AudioEngine::Output::caller};
  EngineSoundSystem sound{engine};
  ASSERT_TRUE(sound.setUpAudio());
  const auto tune = renderMono(engine, 4.0);
  EXPECT_GT(test::rms(test::slice(tune, 0, 0.5)), 0.002);

  KeyboardMidiOutput midi{engine};
  uint32_t handle = 0;
  ASSERT_EQ(midi.midiOutOpen(&handle, 0), kMidiOk);
  midi.midiOutShortMsg(handle, noteOnWord(kWhiteKeyOffsets[16]));
  const auto withKey = renderMono(engine, 1.0);
  // The key's note stands well above the tune: at least 6 dB.
  EXPECT_GT(test::toneAmplitude(withKey, 261.63), 2 * test::toneAmplitude(tune, 261.63));
  EXPECT_GT(test::rms(withKey), 2 * test::rms(tune));
}

struct BrokenCase {
  const char* name;
  std::optional<std::string> bytes;  // nullopt: no such file
};

TEST(Tune, BrokenTuneFailsInOneLineAndLeavesSilence) {
  test::TempDir dir;
  std::filesystem::create_directory(dir / "folder.mid");
  const BrokenCase cases[] = {
      {"missing.mid", std::nullopt},
      {"folder.mid", std::nullopt},
      {"empty.mid", ""},
      {"text.mid", "Not a tune at all, just some words.\n"},
      {"silent.mid", test::oneNoteMidi(60, 0, 0)},
      {"cut.mid", test::oneNoteMidi(60, 0.5, 1.0).substr(0, 20)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.bytes) test::writeFile(dir / c.name, *c.bytes);
    AudioEngine engine{AudioEngine::Output::caller};
    EngineSoundSystem sound{engine, (dir / c.name).string()};
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(sound.setUpAudio());
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(test::lineCount(said), 1) << said;
    EXPECT_NE(said.find(c.name), std::string::npos) << said;
    EXPECT_LT(test::peak(renderMono(engine, 0.5)), 1e-6);
  }
}

}  // namespace
}  // namespace quavix
