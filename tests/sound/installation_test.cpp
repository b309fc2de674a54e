#include <gtest/gtest.h>

#include "core/midi_words.h"
#include "platform/sound/sound_services.h"
#include "platform/sound/soundfont_choice.h"
#include "sound_test_support.h"
#include "tests/support/fifo_guard.h"

namespace quavix::test {

// Start-up, a key, the tune, a sample and shut-down, as the window does them. The SoundFont is
// the one named by the override alone when that is set; a FIFO named there would hold the
// start-up for good. Ended before its loading is, the sound waits for it, which would otherwise
// open the sound card behind the closing's back (the thread sanitizer sees the race however the
// threads happen to run).
TEST(Installation, WhatIsMissingIsSaidOnceAndAllGoesOn) {
  const TempDir dir;
  const std::string fifo = dir / "fifo.sf2";
  makeFifo(fifo);
  struct Installation {
    const char* said;  // "" for nothing
    std::string soundFont = kTimGM6mb;
    const char* driver = "dummy";
    bool synth = false;  // the keyboard and the tune sound
    bool sample = true;
  };
  const Installation cases[] = {
      {.said = "no sound output", .driver = "no-such-driver", .sample = false},
      {.said = "missing.sf2", .soundFont = "/missing.sf2"},
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

// The standard list stands in for Debian's default-GM.sf2, TimGM6mb.sf2 and FluidR3_GM.sf2; a
// package half removed can leave an empty file behind.
TEST(Installation, SoundFontIsTheFirstStandardOneThatIsASoundFont) {
  const TempDir dir;
  writeBytes(dir / "empty.sf2", "");
  writeBytes(dir / "good.sf2", "RIFF\0\0\0\0sfbk"s);
  const std::filesystem::path standard[] = {dir / "missing.sf2", dir / "empty.sf2",
                                            dir / "good.sf2"};
  EXPECT_EQ(chooseSoundFont(nullptr, standard).path, standard[2]);
  EXPECT_FALSE(chooseSoundFont(nullptr, std::span(standard, 2)).path);
}

}  // namespace quavix::test
