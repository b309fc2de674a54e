#include <gtest/gtest.h>

#include <filesystem>

#include "core/note_naming.h"
#include "platform/files/data_files.h"

namespace quavix {
namespace {

// Every name the game may say, in every naming and in both languages' sets, is shipped.
TEST(SpokenNames, EverySpellingHasItsRecordingInEverySet) {
  for (const char* set : {"", "en"}) {
    for (NoteNaming naming : kNamings) {
      for (int16_t letter = 0; letter < kLetterCount; ++letter) {
        for (int16_t accidental = -1; accidental <= 1; ++accidental) {
          const auto path = findDataFile(spokenNameFile(naming, {letter, accidental, 4}), set);
          EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path << " in set " << set;
        }
      }
    }
  }
}

}  // namespace
}  // namespace quavix
