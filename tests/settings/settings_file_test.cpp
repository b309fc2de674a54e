#include "platform/files/settings_file.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <string>

namespace quavix {
namespace {

struct SettingsFileTest : ::testing::Test {
  QTemporaryDir dir;
  std::filesystem::path path = std::filesystem::path(dir.path().toStdString()) / "settings.ini";

  void write(const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
};

TEST_F(SettingsFileTest, AMissingFileGivesTheDefaults) {
  EXPECT_EQ(SettingsFile(path).loadSettings(), PlayerSettings{});
}

TEST_F(SettingsFileTest, WhatIsSavedComesBack) {
  for (Language language : {Language::English, Language::Chinese}) {
    PlayerSettings chosen;
    chosen.backgroundMusic = false;
    chosen.language = language;
    SettingsFile(path).saveSettings(chosen);
    EXPECT_EQ(SettingsFile(path).loadSettings(), chosen);
  }
}

TEST_F(SettingsFileTest, DamagedFilesGiveTheDefaultsAndAreReplacedOnSave) {
  for (const std::string& bytes :
       {std::string("\x00\xff\xfe[[[=\n\x01", 9), std::string("[sound]\nbackgroundMusic=perhaps\n"),
        std::string("[interface]\nlanguage=English\n")}) {
    write(bytes);
    EXPECT_EQ(SettingsFile(path).loadSettings(), PlayerSettings{}) << bytes;
    PlayerSettings chosen;
    chosen.backgroundMusic = false;
    chosen.language = Language::English;
    SettingsFile(path).saveSettings(chosen);
    EXPECT_EQ(SettingsFile(path).loadSettings(), chosen) << bytes;
  }
}

}  // namespace
}  // namespace quavix
