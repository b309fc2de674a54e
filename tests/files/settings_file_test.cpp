#include "platform/files/settings_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

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

// A writer killed at any moment leaves one of the whole files it wrote, never a part.
TEST_F(SettingsFileTest, AKillDuringAWriteLeavesTheOldFileWhole) {
  SettingsFile(path).saveSettings(kChosen);
  for (int round = 0; round < 8; ++round) {
    const pid_t writer = fork();
    ASSERT_NE(writer, -1);
    if (writer == 0) {
      for (;;) SettingsFile(path).saveSettings(round % 2 ? kChosen : PlayerSettings{});
    }
    usleep(static_cast<useconds_t>(2'000 + 7'919 * round % 20'000));
    kill(writer, SIGKILL);
    waitpid(writer, nullptr, 0);
    testing::internal::CaptureStderr();
    const PlayerSettings back = SettingsFile(path).loadSettings();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << round;
    EXPECT_TRUE(back == kChosen || back == PlayerSettings{}) << round;
  }
}

}  // namespace
}  // namespace quavix
