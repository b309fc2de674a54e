#include "sound/soundfont_choice.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "test_files.h"

namespace quavix {
namespace {

using test::TempDir;

struct Case {
  const char* name;
  std::optional<const char*> override;  // a file name in the temp dir, or "" for an empty value
  std::vector<const char*> standard;    // file names in the temp dir, in order of preference
  std::optional<const char*> chosen;
  const char* problemMentions;  // "" when there is no problem
};

TEST(SoundFontChoice, OverrideFirstThenStandardFiles) {
  const Case cases[] = {
      {"override wins over standard", "mine.sf2", {"a.sf2"}, "mine.sf2", ""},
      {"missing override is not replaced", "gone.sf2", {"a.sf2"}, std::nullopt, "gone.sf2"},
      {"override that is no SoundFont", "text.sf2", {"a.sf2"}, std::nullopt, "not a readable"},
      {"empty override is unset", "", {"a.sf2"}, "a.sf2", ""},
      {"first standard present", std::nullopt, {"a.sf2", "b.sf2"}, "a.sf2", ""},
      {"missing standard skipped", std::nullopt, {"gone.sf2", "b.sf2"}, "b.sf2", ""},
      {"broken standard skipped", std::nullopt, {"text.sf2", "b.sf2"}, "b.sf2", ""},
      {"none at all", std::nullopt, {"gone.sf2", "text.sf2"}, std::nullopt, "gone.sf2"},
  };
  TempDir dir;
  const std::string soundFontHead = std::string("RIFF\x10\0\0\0sfbk", 12) + "LIST";
  for (const char* name : {"mine.sf2", "a.sf2", "b.sf2"})
    test::writeFile(dir / name, soundFontHead);
  test::writeFile(dir / "text.sf2", "RIFF....WAVEfmt not a SoundFont");

  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::filesystem::path> standard;
    for (const char* file : c.standard) standard.push_back(dir / file);
    const std::string override =
        c.override ? (**c.override ? (dir / *c.override).string() : "") : "";
    const auto choice = chooseSoundFont(c.override ? override.c_str() : nullptr, standard);
    if (c.chosen) {
      EXPECT_EQ(choice.path, dir / *c.chosen);
      EXPECT_EQ(choice.problem, "");
    } else {
      EXPECT_FALSE(choice.path);
      EXPECT_NE(choice.problem.find(c.problemMentions), std::string::npos) << choice.problem;
    }
  }
}

}  // namespace
}  // namespace quavix
