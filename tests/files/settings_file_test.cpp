#include "platform/files/settings_file.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>

#include "tests/files/file_bytes.h"

namespace quavix {
namespace {

const PlayerSettings kChosen{.backgroundMusic = false,
                             .language = Language::English,
                             .switchedOffMidiInputs = {"a, b", "Quavix", "钢琴=1"}};

struct SettingsFileTest : ::testing::Test {
  QTemporaryDir dir;
  std::filesystem::path path = std::filesystem::path(dir.path().toStdString()) / "settings.ini";
};

TEST_F(SettingsFileTest, WhatIsSavedComesBack) {
  EXPECT_EQ(SettingsFile(path).loadSettings(), PlayerSettings{}) << "no file yet";
  const PlayerSettings chosen[] = {kChosen,
                                   {.backgroundMusic = false,
                                    .language = Language::Chinese,
                                    .midiEcho = false,
                                    .computerKeyOctave = kLowestKeyOctave,
                                    .switchedOffMidiInputs = {"Digital Piano:MIDI 1"}}};
  for (const PlayerSettings& settings : chosen) {
    SettingsFile(path).saveSettings(settings);
    EXPECT_EQ(SettingsFile(path).loadSettings(), settings);
  }
}

// Each unreadable value keeps its own default and leaves the others as they were; a damaged
// file is replaced on save.
TEST_F(SettingsFileTest, AWrongValueKeepsItsDefault) {
  PlayerSettings noEcho;
  noEcho.midiEcho = false;
  const std::pair<std::string, PlayerSettings> cases[] = {
      {std::string("\x00\xff\xfe[[[=\n\x01", 9), {}},
      {"[sound]\nbackgroundMusic=perhaps\n", {}},
      {"[interface]\nlanguage=English\n", {}},
      {"[midi]\necho=2\nswitchedOffInputs=\n", {}},
      {"[keys]\noctave=0\n[midi]\necho=false\n", noEcho},
      {"[keys]\noctave=6\n[midi]\necho=false\n", noEcho},
      {"[keys]\noctave=4.5\n[midi]\necho=false\n", noEcho},
      {"[keys]\noctave=high\n[midi]\necho=false\n", noEcho},
      {"[keys]\noctave=\n[midi]\necho=false\n", noEcho}};
  for (const auto& [bytes, expected] : cases) {
    writeBytes(path, bytes);
    EXPECT_EQ(SettingsFile(path).loadSettings(), expected) << bytes;
    SettingsFile(path).saveSettings(kChosen);
    EXPECT_EQ(SettingsFile(path).loadSettings(), kChosen) << bytes;
  }
}

}  // namespace
}  // namespace quavix
