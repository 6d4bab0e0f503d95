#include "entry/logic/entry_fields.h"

#include <gtest/gtest.h>

namespace vorlanz {
namespace {

TEST(ParseWeight, ReadsTheLeadingNumberWithoutItsSign) {
  EXPECT_EQ(ParseWeight("12abc"), 12);
  EXPECT_EQ(ParseWeight("+4"), 4);
  for (const char* text : {"   ", "-", ".", "x5"}) EXPECT_EQ(ParseWeight(text), 0) << text;
}

TEST(ParseWeight, RoundsHalfToEvenAndLimitsToAByte) {
  EXPECT_EQ(ParseWeight("3.6"), 4);
  EXPECT_EQ(ParseWeight("2.5"), 2);
  EXPECT_EQ(ParseWeight("3.5"), 4);
  EXPECT_EQ(ParseWeight("2.501"), 3);
  EXPECT_EQ(ParseWeight(".6"), 1);
  EXPECT_EQ(ParseWeight("256"), 255);
  EXPECT_EQ(ParseWeight("254.7"), 255);
  EXPECT_EQ(ParseWeight("-99999999999999999999999"), 255);
}

TEST(FormatWeight, ShowsTwoCellsOrNothingAndReadsBackUnchanged) {
  EXPECT_EQ(FormatWeight(0), "");
  EXPECT_EQ(FormatWeight(5), " 5");
  EXPECT_EQ(FormatWeight(255), "255");
  for (int w = 0; w <= 255; ++w) EXPECT_EQ(ParseWeight(FormatWeight(static_cast<Byte>(w))), w);
}

TEST(SeriesEntryText, AcceptsOnlyOneOutcomeCode) {
  EXPECT_EQ(ParseSeriesEntry(" 2 "), std::optional<Byte>(kAwayWin));
  for (const char* text : {"3", "10", "1.0"})
    EXPECT_EQ(ParseSeriesEntry(text), std::nullopt) << text;
  EXPECT_EQ(FormatSeriesEntry(kNoEntry), "");
}

}  // namespace
}  // namespace vorlanz
