#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <string>

#include "platform/files/settings_file.h"
#include "tests/files/file_bytes.h"

namespace quavix {
namespace {

// Each [practice] key by its name; a value that cannot be used keeps its default with one line
// on stderr while the others are read.
TEST(PracticeSettings, EachKeyIsReadByNameAndAWrongValueKeepsItsDefault) {
  const QTemporaryDir dir;
  const std::filesystem::path path = dir.filePath("settings.ini").toStdString();
  PlayerSettings cClefs;
  cClefs.practice.mixedClefs = {false, false, false, true};
  cClefs.practice.onlyClef = Clef::Alto;
  PlayerSettings altoInD{.practice = {.accidentals = Accidentals::Keys, .keys = {}},
                         .noteNames = NoteNaming::German};
  altoInD.practice.range(Clef::Alto) = {28, 28};
  altoInD.practice.keys[2 - kFewestFifths] = true;
  altoInD.practice.range(Clef::Treble).lowest = 21;  // C3, on four ledger lines
  const std::tuple<std::string, PlayerSettings, int> cases[] = {
      {"lowest.alto=Cb4\nhighest.alto=C#4\naccidentals=keys\nkeys=D\n"
       "names=german\nlowest.treble=C3",
       altoInD, 0},
      {"lowest.treble=D6\nhighest.treble=G3", {}, 1},
      {"lowest.treble=B2", {}, 1},   // below the fourth ledger line
      {"highest.treble=E6", {}, 1},  // E#6 would lie beyond the piano
      {"highest.alto=H4", {}, 1},
      {"clefs=\"\"", {}, 1},
      {"clefs=treble, soprano", {}, 1},
      {"accidentals=flats", {}, 1},
      {"keys=C, Gb, D#", {}, 1},
      {"names=doremi", {}, 1},
      {"onlyClef=bass\ncountdown=yes", {}, 2},
      {"highest.treble=C3\nclefs=tenor\nonlyClef=alto", cClefs, 1}};
  for (const auto& [lines, expected, complaints] : cases) {
    writeBytes(path, "[practice]\n" + lines + "\n");
    testing::internal::CaptureStderr();
    EXPECT_EQ(SettingsFile(path).loadSettings(), expected) << lines;
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), complaints) << lines << said;
  }
}

}  // namespace
}  // namespace quavix
