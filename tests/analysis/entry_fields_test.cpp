#include "analysis/logic/entry_fields.h"

#include <gtest/gtest.h>

namespace vorlanz {
namespace {

TEST(ParseWeight, TakesTheLeadingWholeNumber) {
  EXPECT_EQ(ParseWeight("5"), 5);
  EXPECT_EQ(ParseWeight(" 7"), 7);
  EXPECT_EQ(ParseWeight("+4"), 4);
  EXPECT_EQ(ParseWeight("12abc"), 12);
  EXPECT_EQ(ParseWeight("007"), 7);
}

TEST(ParseWeight, MinusCountsAsTheAbsoluteValue) {
  EXPECT_EQ(ParseWeight("-3"), 3);
  EXPECT_EQ(ParseWeight(" -12"), 12);
  EXPECT_EQ(ParseWeight("-0"), 0);
}

TEST(ParseWeight, EmptyOrNonNumericTextIsZero) {
  EXPECT_EQ(ParseWeight(""), 0);
  EXPECT_EQ(ParseWeight("   "), 0);
  EXPECT_EQ(ParseWeight("abc"), 0);
  EXPECT_EQ(ParseWeight("-"), 0);
  EXPECT_EQ(ParseWeight("."), 0);
  EXPECT_EQ(ParseWeight("x5"), 0);
}

TEST(ParseWeight, LimitsLargeNumbersToAByte) {
  EXPECT_EQ(ParseWeight("255"), 255);
  EXPECT_EQ(ParseWeight("256"), 255);
  EXPECT_EQ(ParseWeight("-1000"), 255);
  EXPECT_EQ(ParseWeight("99999999999999999999999"), 255);
  EXPECT_EQ(ParseWeight("254.7"), 255);
  EXPECT_EQ(ParseWeight("255.9"), 255);
}

TEST(ParseWeight, RoundsADecimalNumberHalfToEven) {
  EXPECT_EQ(ParseWeight("3.6"), 4);
  EXPECT_EQ(ParseWeight("3.4"), 3);
  EXPECT_EQ(ParseWeight("2.5"), 2);
  EXPECT_EQ(ParseWeight("3.5"), 4);
  EXPECT_EQ(ParseWeight("2.50"), 2);
  EXPECT_EQ(ParseWeight("2.501"), 3);
  EXPECT_EQ(ParseWeight(".6"), 1);
  EXPECT_EQ(ParseWeight("-1.5"), 2);
}

TEST(FormatWeight, RightAlignsInTwoCharactersAndHidesZero) {
  EXPECT_EQ(FormatWeight(0), "");
  EXPECT_EQ(FormatWeight(5), " 5");
  EXPECT_EQ(FormatWeight(12), "12");
  EXPECT_EQ(FormatWeight(255), "255");
}

TEST(FormatWeight, EveryWeightReadsBackUnchanged) {
  for (int w = 0; w <= 255; ++w) {
    EXPECT_EQ(ParseWeight(FormatWeight(static_cast<Byte>(w))), w);
  }
}

TEST(ParseSeriesEntry, AcceptsOneOutcomeCode) {
  EXPECT_EQ(ParseSeriesEntry("0"), std::optional<Byte>(kDraw));
  EXPECT_EQ(ParseSeriesEntry("1"), std::optional<Byte>(kHomeWin));
  EXPECT_EQ(ParseSeriesEntry("2"), std::optional<Byte>(kAwayWin));
  EXPECT_EQ(ParseSeriesEntry(" 2 "), std::optional<Byte>(kAwayWin));
}

TEST(ParseSeriesEntry, AnythingElseGivesNoValue) {
  for (const char* text : {"", "  ", "3", "7", "x", "-1", "10", "01", "1.0", "255"}) {
    EXPECT_EQ(ParseSeriesEntry(text), std::nullopt) << '"' << text << '"';
  }
}

TEST(FormatSeriesEntry, ShowsTheCodeOrNothing) {
  EXPECT_EQ(FormatSeriesEntry(kNoEntry), "");
  EXPECT_EQ(FormatSeriesEntry(0), "0");
  EXPECT_EQ(FormatSeriesEntry(1), "1");
  EXPECT_EQ(FormatSeriesEntry(2), "2");
}

TEST(FieldIds, RunRowByRow) {
  EXPECT_EQ(WeightFieldId(1, 1), 401);
  EXPECT_EQ(WeightFieldId(1, 3), 403);
  EXPECT_EQ(WeightFieldId(2, 1), 404);
  EXPECT_EQ(WeightFieldId(13, 3), 439);
  EXPECT_EQ(SeriesFieldId(1), 401);
  EXPECT_EQ(SeriesFieldId(13), 413);
}

}  // namespace
}  // namespace vorlanz
