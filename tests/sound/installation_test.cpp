#include <gtest/gtest.h>

#include "core/midi_words.h"
#include "platform/sound/sound_services.h"
#include "platform/sound/soundfont_choice.h"
#include "platform/sound/synthesizer.h"
#include "sound_test_support.h"
#include "tests/support/fifo_guard.h"

namespace quavix::test {

// Start-up, a key, the tune, a sample and shut-down, as the window does them.
TEST(Installation, WhatIsMissingIsSaidOnceAndAllGoesOn) {
  struct Installation {
    const char* said;  // "" for nothing
    const char* driver = "dummy";
    const char* soundFont = kTimGM6mb;
    bool synth = false;  // the keyboard and the tune sound
    bool sample = false;
  };
  const Installation cases[] = {
      {.said = "no sound output", .driver = "no-such-driver"},
      {.said = "missing.sf2", .soundFont = "/missing.sf2", .sample = true},
      // Last, so that the environment is left as the tests' main and ctest set it.
      {.said = "", .synth = true, .sample = true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.said);
    setenv("SDL_AUDIODRIVER", c.driver, 1);
    setenv("QUAVIX_SOUNDFONT", c.soundFont, 1);
    testing::internal::CaptureStderr();
    {
      SoundServices services;
      uint32_t handle = 0;
      EXPECT_EQ(services.midi().midiOutOpen(&handle, 0), c.synth ? kMidiOk : kMidiNoDriver);
      services.midi().midiOutShortMsg(handle, noteOnWord(7));
      EXPECT_EQ(services.sound().setUpAudio(), c.synth);
      EXPECT_EQ(services.sound().playNoteSample("2.wav"), c.sample);
      services.midi().midiOutClose(handle);
    }
    EXPECT_TRUE(saidOneLineAbout(c.said));
  }
}

// The standard list stands in for Debian's default-GM.sf2, TimGM6mb.sf2 and FluidR3_GM.sf2. A
// FIFO, read as a SoundFont, would hold the start-up for good.
TEST(Installation, SoundFontIsTheOverrideAloneWhenSetElseTheFirstOfTheStandardOnes) {
  using std::filesystem::path;
  const TempDir dir;
  for (const char* name : {"first.sf2", "second.sf2"}) writeBytes(dir / name, "RIFF\0\0\0\0sfbk"s);
  writeBytes(dir / "text.sf2", "not a SoundFont\n");
  const std::string fifo = dir / "fifo.sf2", second = dir / "second.sf2",
                    missing = dir / "missing.sf2", text = dir / "text.sf2";
  makeFifo(fifo);
  const path standard[] = {missing, text, fifo, dir / "first.sf2", second};
  struct Case {
    const char* override;
    std::optional<path> chosen = std::nullopt;
    size_t standards = 5;  // how many of the standard ones there are
  };
  const Case cases[] = {
      {.override = nullptr, .chosen = dir / "first.sf2"},
      {.override = "", .chosen = dir / "first.sf2"},
      {.override = second.c_str(), .chosen = second},
      {.override = missing.c_str()},
      {.override = text.c_str()},
      {.override = fifo.c_str()},
      {.override = nullptr, .standards = 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.override ? c.override : "no override");
    SoundFontChoice choice;
    EXPECT_TRUE(returnsWithoutAWriter(
        fifo, [&] { choice = chooseSoundFont(c.override, std::span(standard, c.standards)); }));
    EXPECT_EQ(choice.path, c.chosen);
    EXPECT_EQ(choice.problem.empty(), c.chosen.has_value()) << choice.problem;
  }
  std::string problem;
  EXPECT_TRUE(
      returnsWithoutAWriter(fifo, [&] { EXPECT_FALSE(Synthesizer::create(fifo, 1.0, problem)); }));
  EXPECT_NE(problem.find("FIFO"), std::string::npos) << problem;
}

}  // namespace quavix::test
