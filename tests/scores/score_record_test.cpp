#include "game/score_record.h"

#include <gtest/gtest.h>

#include <string>

namespace quavix {
namespace {

struct RecordCase {
  std::array<int16_t, kScoreSlotCount> scores;
  std::string line;
};

class FormatScoreRecordTest : public testing::TestWithParam<RecordCase> {};

TEST_P(FormatScoreRecordTest, WritesZonesOfFourteenThenCrLf) {
  EXPECT_EQ(formatScoreRecord(GetParam().scores), GetParam().line);
}

// 120, 0, 35, 10: digits in columns 16-18, 30, 44-45 and 58-59, a blank in column 60.
INSTANTIATE_TEST_SUITE_P(
    Lines, FormatScoreRecordTest,
    testing::Values(
        RecordCase{{0, 0, 0, 0}, "               0             0             0             0 \r\n"},
        RecordCase{{120, 0, 35, 10},
                   "               120           0             35            10 \r\n"},
        RecordCase{{-5, -32768, 32767, -1},
                   "              -5            -32768         32767        -1 \r\n"},
        RecordCase{{32767, 32767, 32767, -32768},
                   "               32767         32767         32767        -32768 \r\n"}));

struct ConversionCase {
  std::string window;
  int16_t value;
};

class ConvertScoreWindowTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(ConvertScoreWindowTest, GivesNearestIntegerHalvesToEven) {
  EXPECT_EQ(convertScoreWindow(GetParam().window), GetParam().value)
      << "window \"" << GetParam().window << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ConvertScoreWindowTest,
    testing::Values(
        ConversionCase{"120          -", 120}, ConversionCase{"0             ", 0},
        ConversionCase{"12.5", 12}, ConversionCase{"13.5", 14}, ConversionCase{"-12.5", -12},
        ConversionCase{"-13.5", -14}, ConversionCase{"0.5", 0}, ConversionCase{"1.5", 2},
        ConversionCase{"12.50", 12}, ConversionCase{"12.51", 13}, ConversionCase{"12.49", 12},
        ConversionCase{"12.500001", 13}, ConversionCase{".5", 0}, ConversionCase{".51", 1},
        ConversionCase{"7.", 7}, ConversionCase{"1.5E2", 150}, ConversionCase{"15e-1", 2},
        ConversionCase{"25e-1", 2}, ConversionCase{"1e+3", 1000}, ConversionCase{"1E4", 10000},
        ConversionCase{"1e-400", 0}, ConversionCase{"0.00000001e8", 1}, ConversionCase{"1e", 1},
        ConversionCase{"1e+", 1}, ConversionCase{"1ex", 1}, ConversionCase{"+7", 7},
        ConversionCase{"-3", -3}, ConversionCase{"-0", 0}, ConversionCase{"0000012", 12},
        ConversionCase{"\t1\t2\t", 12}, ConversionCase{"1\n2", 12}, ConversionCase{"1 2 3", 123},
        ConversionCase{"- 4", -4}, ConversionCase{"1 e 2", 100}, ConversionCase{"12\r\n", 12},
        ConversionCase{"7abc", 7}, ConversionCase{"3-4", 3}, ConversionCase{"1.2.3", 1},
        ConversionCase{"1,5", 1}, ConversionCase{"abc", 0}, ConversionCase{"", 0},
        ConversionCase{"          ", 0}, ConversionCase{"+", 0}, ConversionCase{".", 0},
        ConversionCase{"-.", 0}, ConversionCase{"e5", 0}, ConversionCase{"\r12", 0},
        ConversionCase{std::string("1\0002", 3), 1}, ConversionCase{"32767", 32767},
        ConversionCase{"-32768", -32768}, ConversionCase{"32767.4", 32767},
        ConversionCase{"-32768.5", -32768}, ConversionCase{"3.2767e4", 32767}));

class OutOfRangeWindowTest : public testing::TestWithParam<std::string> {};

TEST_P(OutOfRangeWindowTest, IsAReadFailure) {
  EXPECT_EQ(convertScoreWindow(GetParam()), std::nullopt) << "window \"" << GetParam() << "\"";
}

INSTANTIATE_TEST_SUITE_P(Windows, OutOfRangeWindowTest,
                         testing::Values("40000", "32768", "-32769", "32767.5", "-32768.51", "1e5",
                                         "4e4", "1e400", "99999999999999", "0.00001e10"));

std::string windows(const std::string& w2, const std::string& w3, const std::string& w4) {
  return std::string(15, ' ') + w2 + w3 + w4;
}

TEST(ReadScoreRecordTest, FiftyThreeCharactersRestoreAllThreeSlots) {
  const std::string text = windows("120           ", "0             ", "35        ");
  ASSERT_EQ(text.size(), 53u);
  const RestoredScores restored = readScoreRecord(text);
  EXPECT_TRUE(restored.complete());
  EXPECT_EQ(restored.values, (std::array<int16_t, 3>{120, 0, 35}));
}

TEST(ReadScoreRecordTest, FiftyTwoCharactersLeaveTheLastSlotUnread) {
  const std::string text = windows("120           ", "7             ", "35       ");
  ASSERT_EQ(text.size(), 52u);
  const RestoredScores restored = readScoreRecord(text);
  EXPECT_EQ(restored.count, 2);
  EXPECT_EQ(restored.values, (std::array<int16_t, 3>{120, 7, 0}));
}

TEST(ReadScoreRecordTest, ShorterThanTheSkippedWindowRestoresNothing) {
  EXPECT_EQ(readScoreRecord(std::string(14, ' ')).count, 0);
  EXPECT_EQ(readScoreRecord("").count, 0);
}

TEST(ReadScoreRecordTest, OutOfRangeStopsAtThatSlot) {
  const RestoredScores restored =
      readScoreRecord(windows("9             ", "40000         ", "35        "));
  EXPECT_EQ(restored.count, 1);
  EXPECT_EQ(restored.values, (std::array<int16_t, 3>{9, 0, 0}));
}

TEST(ReadScoreRecordTest, LettersGiveZeroAndReadingGoesOn) {
  const RestoredScores restored =
      readScoreRecord(windows("abcdefghijklmn", "7             ", "35        "));
  EXPECT_TRUE(restored.complete());
  EXPECT_EQ(restored.values, (std::array<int16_t, 3>{0, 7, 35}));
}

TEST(ReadScoreRecordTest, WrittenRecordComesBackWithoutTheTestSlot) {
  const RestoredScores restored = readScoreRecord(formatScoreRecord({120, 0, 35, 10}));
  EXPECT_TRUE(restored.complete());
  EXPECT_EQ(restored.values, (std::array<int16_t, 3>{120, 0, 35}));
}

TEST(ReadScoreRecordTest, ExtremeWrittenScoresComeBack) {
  const RestoredScores restored = readScoreRecord(formatScoreRecord({32767, 1, 32767, 32767}));
  EXPECT_EQ(restored.values, (std::array<int16_t, 3>{32767, 1, 32767}));
}

}  // namespace
}  // namespace quavix
