#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>

#include "core/note_naming.h"
#include "platform/files/data_files.h"
#include "tests/files/file_bytes.h"

namespace quavix {
namespace {

// Every name the game may say, in every naming and in both languages' sets, is shipped; the
// player's own C in the working directory is said for C in every one of them, and for no other.
TEST(SpokenNames, EverySpellingHasItsRecordingInEverySetAndAPlayersOwnLetterWins) {
  const std::filesystem::path previous = std::filesystem::current_path();
  const QTemporaryDir dir;
  std::filesystem::current_path(dir.path().toStdString());
  writeBytes(std::filesystem::current_path() / "2.wav", "own");
  for (const char* set : {"", "en"}) {
    for (NoteNaming naming : kNamings) {
      for (int16_t letter = 0; letter < kLetterCount; ++letter) {
        for (int16_t accidental = -1; accidental <= 1; ++accidental) {
          const auto path = findSpokenName(spokenNameFile(naming, {letter, accidental, 4}), set);
          EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path << " in set " << set;
          EXPECT_EQ(path == "2.wav", letter == 0 && accidental == 0) << path;
        }
      }
    }
  }
  std::filesystem::current_path(previous);
}

}  // namespace
}  // namespace quavix
