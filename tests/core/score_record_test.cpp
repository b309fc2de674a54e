#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/score_line_format.h"

namespace quavix {
namespace {

TEST(ScoreRecordTest, IsByteExact) {
  EXPECT_EQ(formatScoreRecord({-5, -32768, 32767, -1}),
            "              -5            -32768         32767        -1 \r\n");
}

TEST(ScoreWindowTest, RoundsHalvesToEvenWithinSixteenBits) {
  struct Window {
    std::string text;
    std::optional<int16_t> value;  // empty: out of range, where reading stops
  };
  // clang-format off
  const Window windows[] = {
      // halves, exponents and signs
      Window{"12.5", 12}, Window{"13.5", 14}, Window{"-13.5", -14}, Window{"12.500001", 13},
      Window{"1.5E2", 150}, Window{"15e-1", 2}, Window{"1e+", 1}, Window{"- 4", -4},
      // blanks, tabs and line feeds are skipped anywhere; other text ends the number
      Window{"\t1\t2\t", 12}, Window{"1\n2", 12}, Window{"1 e 2", 100}, Window{"-.", 0},
      Window{"120          -", 120}, Window{"\r12", 0}, Window{std::string("1\0002", 3), 1},
      // the 16-bit range
      Window{"32767.4", 32767}, Window{"-32768.5", -32768}, Window{"32768", {}},
      Window{"-32769", {}}, Window{"32767.5", {}}, Window{"-32768.51", {}}, Window{"1e400", {}},
      Window{"1e2147483648", {}}};
  // clang-format on
  for (const Window& w : windows) {
    EXPECT_EQ(convertScoreWindow(w.text), w.value) << testing::PrintToString(w.text);
  }
}

TEST(ScoreRecordReadTest, ReadsEachZoneWithItsSignAndNothingBelowZero) {
  struct Record {
    std::string text;
    std::array<int16_t, kRestoredSlotCount> values;
    int count;
  };
  const Record records[] = {
      // The sign column lies in the window before: -32768 read as 32768 lost every later slot.
      Record{formatScoreRecord({-32768, 500, 600, 0}), {0, 500, 600}, 3},
      Record{formatScoreRecord({7, 8, -32768, 0}), {7, 8, 0}, 3},
      Record{formatScoreRecord({-5, -1, -9, -1}), {0, 0, 0}, 3},
      Record{std::string(15, ' ') + "-12" + std::string(11, ' ') + "4", {0, 0, 0}, 1},
      Record{std::string(14, ' ') + "-40000" + std::string(40, ' '), {0, 0, 0}, 0}};
  for (const Record& r : records) {
    const RestoredScores restored = readScoreRecord(r.text);
    EXPECT_EQ(restored.values, r.values) << testing::PrintToString(r.text);
    EXPECT_EQ(restored.count, r.count) << testing::PrintToString(r.text);
  }
}

}  // namespace
}  // namespace quavix
