#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <string>

#include "platform/files/settings_file.h"
#include "tests/files/file_bytes.h"

namespace quavix {
namespace {

struct PracticeSettingsTest : ::testing::Test {
  QTemporaryDir dir;
  std::filesystem::path path = std::filesystem::path(dir.path().toStdString()) / "settings.ini";
};

TEST_F(PracticeSettingsTest, WhatIsSavedComesBack) {
  PlayerSettings chosen;
  chosen.practice.range(Clef::Alto) = {19, 19};
  chosen.practice.range(Clef::Treble) = {28, 42};
  chosen.practice.mixedClefs = {false, true, true, true};
  chosen.practice.accidentals = Accidentals::SharpsFlats;
  chosen.practice.keys = {};
  chosen.practice.keys[kMostFifths - kFewestFifths] = true;
  chosen.noteNames = NoteNaming::German;
  chosen.redKeyName = true;
  SettingsFile(path).saveSettings(chosen);
  EXPECT_EQ(SettingsFile(path).loadSettings(), chosen);
  for (const char* line : {"clefs=bass, alto, tenor", "lowest.alto=A2", "highest.alto=A2",
                           "keys=C#", "names=german"}) {
    EXPECT_NE(readBytes(path).find(line), std::string::npos) << line;
  }
  chosen.practice.accidentals = Accidentals::Keys;
  chosen.noteNames = NoteNaming::Numbers;
  SettingsFile(path).saveSettings(chosen);
  EXPECT_EQ(SettingsFile(path).loadSettings(), chosen);
}

// Each unreadable value keeps its default with one line on stderr; the others are read.
TEST_F(PracticeSettingsTest, AWrongValueKeepsItsDefault) {
  PracticeSettings tenorOnly;
  tenorOnly.mixedClefs = {false, false, false, true};
  const std::pair<std::string, PracticeSettings> cases[] = {
      {"lowest.treble=D6\nhighest.treble=G3", {}},
      {"lowest.treble=F3", {}},  // below the staff's lowest step
      {"highest.alto=H4", {}},
      {"clefs=\"\"", {}},
      {"clefs=treble, soprano", {}},
      {"accidentals=flats", {}},
      {"keys=C, Gb, D#", {}},
      {"names=doremi", {}},
      {"highest.treble=C3\nclefs=tenor", tenorOnly}};
  for (const auto& [lines, expected] : cases) {
    writeBytes(path, "[practice]\n" + lines + "\n");
    testing::internal::CaptureStderr();
    EXPECT_EQ(SettingsFile(path).loadSettings().practice, expected) << lines;
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << lines << said;
  }
}

}  // namespace
}  // namespace quavix
