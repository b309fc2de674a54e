#include <gtest/gtest.h>

#include "core/midi_words.h"
#include "platform/sound/sound_services.h"
#include "platform/sound/soundfont_choice.h"
#include "platform/sound/synthesizer.h"
#include "sound_test_support.h"
#include "tests/support/fifo_guard.h"

namespace quavix::test {

struct Installation {
  const char* driver;
  bool soundFontMissing;
  bool synth;  // the keyboard and the tune sound
  bool sample;
  const char* said;  // "" for nothing
};

// Start-up, a key, the tune, a sample and shut-down, as the window does them.
TEST(Installation, WhatIsMissingIsSaidOnceAndAllGoesOn) {
  const Installation cases[] = {
      {"dummy", false, true, true, ""},
      {"no-such-driver", false, false, false, "no sound output"},
      {"dummy", true, false, true, "missing.sf2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.said);
    const ScopedEnv driver("SDL_AUDIODRIVER", c.driver);
    const ScopedEnv soundFont("QUAVIX_SOUNDFONT", c.soundFontMissing ? "/missing.sf2" : "");
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

// Without the override, Debian's default comes first; setup.sh installs it and TimGM6mb.
TEST(Installation, SoundFontIsTheOverrideAloneWhenSetElseTheDebianOne) {
  const std::filesystem::path timGM = "/usr/share/sounds/sf2/TimGM6mb.sf2";
  const std::pair<const char*, std::optional<std::filesystem::path>> cases[] = {
      {timGM.c_str(), timGM},
      {"/missing.sf2", std::nullopt},
      {"/etc/passwd", std::nullopt},  // no SoundFont
      {"", "/usr/share/sounds/sf2/default-GM.sf2"},
  };
  for (const auto& [override, chosen] : cases) {
    const ScopedEnv env("QUAVIX_SOUNDFONT", override);
    const auto choice = chooseSoundFont();
    EXPECT_EQ(choice.path, chosen) << override;
    EXPECT_EQ(choice.problem.empty(), chosen.has_value()) << choice.problem;
  }
  const std::filesystem::path standard[] = {"/missing.sf2", "/etc/passwd", timGM};
  EXPECT_EQ(chooseSoundFont(nullptr, standard).path, timGM);
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
