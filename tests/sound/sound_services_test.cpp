#include "sound/sound_services.h"

#include <gtest/gtest.h>

#include "audio_analysis.h"
#include "game/note_model.h"
#include "sound/midi_words.h"
#include "test_files.h"

namespace quavix {
namespace {

// Start-up, a key, the tune, a sample and shut-down, as the window does them. Returns what was
// said on stderr.
std::string runAll(SoundServices& services, uint32_t expectedOpen, bool expectedTune,
                   bool expectedSample) {
  ::testing::internal::CaptureStderr();
  uint32_t handle = 0;
  EXPECT_EQ(services.midi().midiOutOpen(&handle, 0), expectedOpen);
  services.midi().midiOutShortMsg(handle, noteOnWord(kWhiteKeyOffsets[16]));
  EXPECT_EQ(services.sound().setUpAudio(), expectedTune);
  EXPECT_EQ(services.sound().playNoteSample("2.wav"), expectedSample);
  services.midi().midiOutShortMsg(handle, noteOffWord(kWhiteKeyOffsets[16]));
  services.midi().midiOutClose(handle);
  return ::testing::internal::GetCapturedStderr();
}

TEST(SoundServices, DummyDriverPlaysEverythingWithoutAWord) {
  const test::ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
  ::testing::internal::CaptureStderr();
  std::string said;
  {
    SoundServices services;
    said = ::testing::internal::GetCapturedStderr();
    said += runAll(services, kMidiOk, true, true);
    ::testing::internal::CaptureStderr();
  }
  said += ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(said, "");
}

TEST(SoundServices, NoSoundCardIsSaidOnceAndAllGoesOnSilently) {
  const test::ScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
  ::testing::internal::CaptureStderr();
  SoundServices services;
  std::string said = ::testing::internal::GetCapturedStderr();
  said += runAll(services, kMidiNoDriver, false, false);
  EXPECT_EQ(test::lineCount(said), 1) << said;
  EXPECT_NE(said.find("no sound output"), std::string::npos) << said;
}

TEST(SoundServices, NoSoundFontIsSaidOnceAndSamplesStillPlay) {
  test::TempDir dir;
  const auto missing = (dir / "missing.sf2").string();
  const test::ScopedEnv soundFont("QUAVIX_SOUNDFONT", missing);
  ::testing::internal::CaptureStderr();
  SoundServices services(AudioEngine::Output::caller);
  std::string said = ::testing::internal::GetCapturedStderr();
  said += runAll(services, kMidiNoDriver, false, true);
  EXPECT_EQ(test::lineCount(said), 1) << said;
  EXPECT_NE(said.find(missing), std::string::npos) << said;
  EXPECT_GT(test::rms(test::renderMono(services.engine(), 0.3)), 0.01);
}

}  // namespace
}  // namespace quavix
