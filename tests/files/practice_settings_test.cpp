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
  chosen.noteNames = NoteNaming::German;
  chosen.redKeyName = true;
  SettingsFile(path).saveSettings(chosen);
  EXPECT_EQ(SettingsFile(path).loadSettings(), chosen);
  EXPECT_NE(readBytes(path).find("altoRange=A2-A2"), std::string::npos);
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
      {"trebleRange=D6-G3", {}},  // lowest above highest
      {"trebleRange=F3-D6", {}},  // below the staff's lowest step
      {"altoRange=C#4-E5", {}},
      {"tenorRange=F2", {}},
      {"mixedClefs=\"\"", {}},
      {"mixedClefs=treble, soprano", {}},
      {"accidentals=flats", {}},
      {"noteNames=doremi", {}},
      {"trebleRange=C4-C3\nmixedClefs=tenor", tenorOnly}};
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
