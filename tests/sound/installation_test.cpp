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
    const char* driver;
    const char* soundFont;
    bool synth;  // the keyboard and the tune sound
    bool sample;
    const char* said;  // "" for nothing
  };
  const Installation cases[] = {
      {.driver = "dummy", .soundFont = kTimGM6mb, .synth = true, .sample = true, .said = ""},
      {.driver = "no-such-driver",
       .soundFont = kTimGM6mb,
       .synth = false,
       .sample = false,
       .said = "no sound output"},
      {.driver = "dummy",
       .soundFont = "/missing.sf2",
       .synth = false,
       .sample = true,
       .said = "missing.sf2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.said);
    const ScopedEnv driver("SDL_AUDIODRIVER", c.driver);
    const ScopedEnv soundFont("QUAVIX_SOUNDFONT", c.soundFont);
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

// The standard list stands in for Debian's default-GM.sf2, TimGM6mb.sf2 and FluidR3_GM.sf2.
TEST(Installation, SoundFontIsTheOverrideAloneWhenSetElseTheFirstOfTheStandardOnes) {
  using namespace std::string_view_literals;
  using std::filesystem::path;
  const TempDir dir;
  for (const char* name : {"first.sf2", "second.sf2"}) writeFile(dir / name, "RIFF\0\0\0\0sfbk"sv);
  writeFile(dir / "text.sf2", "not a SoundFont\n");
  const path standard[] = {dir / "missing.sf2", dir / "text.sf2", dir / "first.sf2",
                           dir / "second.sf2"};
  struct Case {
    const char* override;
    std::span<const path> standard;
    std::optional<path> chosen;
  };
  const std::string second = dir / "second.sf2", missing = dir / "missing.sf2",
                    text = dir / "text.sf2";
  const Case cases[] = {
      {.override = nullptr, .standard = standard, .chosen = dir / "first.sf2"},
      {.override = "", .standard = standard, .chosen = dir / "first.sf2"},
      {.override = second.c_str(), .standard = standard, .chosen = second},
      {.override = missing.c_str(), .standard = standard, .chosen = std::nullopt},
      {.override = text.c_str(), .standard = standard, .chosen = std::nullopt},
      {.override = nullptr, .standard = std::span<const path>(standard, 2), .chosen = std::nullopt},
  };
  for (const Case& c : cases) {
    const auto choice = chooseSoundFont(c.override, c.standard);
    EXPECT_EQ(choice.path, c.chosen) << (c.override ? c.override : "no override");
    EXPECT_EQ(choice.problem.empty(), c.chosen.has_value()) << choice.problem;
  }
}

// Read as a SoundFont, a FIFO would hold the start-up for good.
TEST(Installation, FifoAsTheSoundFontIsRefusedAtOnce) {
  const TempDir dir;
  const std::string fifo = dir / "fifo.sf2";
  makeFifo(fifo);
  const std::filesystem::path standard[] = {fifo};
  EXPECT_TRUE(returnsWithoutAWriter(fifo, [&] {
    const ScopedEnv env("QUAVIX_SOUNDFONT", fifo.c_str());
    EXPECT_FALSE(chooseSoundFont().path);
    EXPECT_FALSE(chooseSoundFont(nullptr, standard).path);
  }));
  std::string problem;
  EXPECT_TRUE(
      returnsWithoutAWriter(fifo, [&] { EXPECT_FALSE(Synthesizer::create(fifo, 1.0, problem)); }));
  EXPECT_NE(problem.find("FIFO"), std::string::npos) << problem;
}

}  // namespace quavix::test
