#include "platform/files/settings_file.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>
#include <optional>
#include <string>

#include "tests/files/file_bytes.h"

namespace quavix {
namespace {

struct SettingsFileTest : ::testing::Test {
  QTemporaryDir dir;
  std::filesystem::path path = std::filesystem::path(dir.path().toStdString()) / "settings.ini";
};

// Each unusable value keeps its own default and leaves the others as they were; a value is
// never taken for a serialised object. Whatever was there, a save replaces it without a word,
// and what is saved comes back.
TEST_F(SettingsFileTest, AWrongValueKeepsItsDefaultAndASaveReplacesTheFile) {
  const PlayerSettings chosen[] = {
      {}, {false, Language::English, false, kLowestKeyOctave, {"Digital Piano:MIDI 1"}}};
  PlayerSettings noEcho;
  noEcho.midiEcho = false;
  // A list of 2^31 names as Qt serialises it.
  const std::string hugeList = R"(@Variant(\0\0\0\v\x80\0\0\0))";
  const std::pair<std::optional<std::string>, PlayerSettings> cases[] = {
      {std::nullopt, {}},
      {std::string("\x00\xff\xfe[[[=\n\x01", 9), {}},
      {"[sound]\nbackgroundMusic=perhaps\n", {}},
      {"[interface]\nlanguage=English\n", {}},
      {"[midi]\necho=2\nswitchedOffInputs=@Invalid()\n", {}},
      {"[midi]\necho=" + hugeList + "\n[keys]\noctave=" + hugeList + "\n", {}},
      {"[keys]\noctave=0\n[midi]\necho=false\n", noEcho},
      {"[keys]\noctave=6\n[midi]\necho=FALSE\n", noEcho},
      {"[keys]\noctave=4.5\n[midi]\necho=false\n", noEcho},
      {"[keys]\noctave=high\n[midi]\necho=false\n", noEcho},
      {"[keys]\noctave=\n[midi]\necho=false\n", noEcho}};
  int round = 0;
  for (const auto& [bytes, expected] : cases) {
    std::filesystem::remove(path);
    if (bytes) writeBytes(path, *bytes);
    EXPECT_EQ(SettingsFile(path).loadSettings(), expected) << testing::PrintToString(bytes);
    const PlayerSettings& saved = chosen[++round % 2];
    testing::internal::CaptureStderr();
    SettingsFile(path).saveSettings(saved);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << testing::PrintToString(bytes);
    EXPECT_EQ(SettingsFile(path).loadSettings(), saved) << testing::PrintToString(bytes);
  }
}

// The names of switched-off inputs read as Qt's own settings files write them, and the other
// way round, whatever characters they hold.
TEST_F(SettingsFileTest, NamesReadAndWriteAsQtsIniFilesHoldThem) {
  const std::vector<std::string> names = {"a, b",
                                          " edge ",
                                          "@at",
                                          "tab\tand\nline",
                                          R"(back\slash "quoted")",
                                          "钢琴=1;",
                                          "\x01"
                                          "7f"};
  QStringList list;
  for (const std::string& name : names) list.push_back(QString::fromStdString(name));
  QSettings(dir.filePath("settings.ini"), QSettings::IniFormat)
      .setValue("midi/switchedOffInputs", list);
  EXPECT_EQ(SettingsFile(path).loadSettings().switchedOffMidiInputs, names);
  SettingsFile(path).saveSettings({.switchedOffMidiInputs = names});
  const QSettings reread(dir.filePath("settings.ini"), QSettings::IniFormat);
  EXPECT_EQ(reread.value("midi/switchedOffInputs").toStringList(), list);
}

}  // namespace
}  // namespace quavix
