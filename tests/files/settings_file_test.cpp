#include "platform/files/settings_file.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <optional>
#include <string>

#include "tests/files/file_bytes.h"

namespace quavix {
namespace {

// Each unusable value keeps its own default and leaves the others as they were; a value is
// never taken for a serialised object. Names of inputs read as Qt's settings files, the
// program's earlier ones, hold them. Whatever was there, a save replaces it without a word, and
// what is saved comes back, whatever characters the names have.
TEST(SettingsFile, AWrongValueKeepsItsDefaultAndASaveReplacesTheFile) {
  const QTemporaryDir dir;
  const std::filesystem::path path = dir.filePath("settings.ini").toStdString();
  const std::vector<std::string> names = {
      "a, b", " edge ", "@at", "tab\tand\nline", R"(back\slash "quoted")", "钢琴=1;", "\u00017f"};
  PracticeSettings practice{.mixedClefs = {false, true, true, true},
                            .onlyClef = Clef::Tenor,
                            .accidentals = Accidentals::Keys,
                            .keys = {}};
  practice.range(Clef::Alto) = {19, 19};
  practice.keys[kMostFifths - kFewestFifths] = true;
  const PlayerSettings chosen[] = {{},
                                   {.backgroundMusic = false,
                                    .language = Language::English,
                                    .midiEcho = false,
                                    .computerKeyOctave = kLowestKeyOctave,
                                    .practice = practice,
                                    .noteNames = NoteNaming::German,
                                    .redKeyName = true,
                                    .keyLetters = true,
                                    .askBeforeClearing = true,
                                    .switchedOffMidiInputs = names,
                                    .transposition = Transposition::OctaveDown,
                                    .microphoneOn = true,
                                    .microphoneDevice = "USB; left, right",
                                    .windowScale = layout::kFitScreen}};
  PlayerSettings noEcho;
  noEcho.midiEcho = false;
  PlayerSettings eFlat;
  eFlat.transposition = Transposition::EFlat;
  PlayerSettings named;
  named.switchedOffMidiInputs = names;
  PlayerSettings unplugged;
  unplugged.microphoneDevice = "Monitor of Null Output";
  PlayerSettings monitor = unplugged;
  monitor.microphoneOn = true;
  PlayerSettings fit, large;
  fit.windowScale = layout::kFitScreen;
  large.windowScale = 125;
  // A list of 2^31 names as Qt serialises it.
  const std::string hugeList = R"(@Variant(\0\0\0\v\x80\0\0\0))";
  const std::pair<std::optional<std::string>, PlayerSettings> cases[] = {
      {std::nullopt, {}},
      {std::string("\x00\xff\xfe[[[=\n\x01", 9), {}},
      {"[sound]\nbackgroundMusic=perhaps\n[interface]\nlanguage=English\n", {}},
      {"[midi]\necho=2\nswitchedOffInputs=@Invalid()\n", {}},
      {"[midi]\necho=" + hugeList + "\n[keys]\noctave=" + hugeList + "\n", {}},
      {"[midi]\nswitchedOffInputs="
       R"("a, b", " edge ", @@at, tab\tand\nline, back\\slash \"quoted\", "钢琴=1;", \x1\x37\x66)",
       named},
      {"[keys]\noctave=0\n[midi]\necho=false\n", noEcho},
      {"[keys]\noctave=6\n[midi]\necho=FALSE\n", noEcho},
      {"[keys]\noctave=2.5\n[midi]\necho=false\n", noEcho},
      {"[input]\ntransposition=eb\n", eFlat},
      {"[input]\ntransposition=Bb\n[midi]\necho=false\n", noEcho},
      {"[microphone]\non=true\ndevice=Monitor of Null Output\n", monitor},
      {"[microphone]\non=yes\ndevice=Monitor of Null Output\n", unplugged},
      {"[window]\nscale=301\n[midi]\necho=false\n", noEcho},
      {"[window]\nscale=Fit\n[midi]\necho=false\n", noEcho},
      {"[window]\nscale=fit\n", fit},
      {"[window]\nscale=125\n", large}};
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

}  // namespace
}  // namespace quavix
