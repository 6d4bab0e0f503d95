#include "output/logic/alignment_text.h"

#include <gtest/gtest.h>

namespace vorlanz {
namespace {

TEST(AlignmentText, MillimetresWithOneDecimalInFiveCharacters) {
  EXPECT_EQ(MillimetreText(126), "  0.0");
  EXPECT_EQ(MillimetreText(131), "  0.5");
  EXPECT_EQ(MillimetreText(101), " -2.5");
  EXPECT_EQ(MillimetreText(0), "-12.6");
  EXPECT_EQ(MillimetreText(255), " 12.9");
}

TEST(AlignmentText, TypedMillimetresBecomeTheByte) {
  EXPECT_EQ(AlignmentByte("  0.0"), 126);
  EXPECT_EQ(AlignmentByte("-2.5"), 101);
  EXPECT_EQ(AlignmentByte("+1"), 136);
  EXPECT_EQ(AlignmentByte("0,5"), 131);
  EXPECT_EQ(AlignmentByte("0.04"), 126);
  EXPECT_EQ(AlignmentByte("0.06"), 127);
}

TEST(AlignmentText, TypedValuesStayInTheByteRange) {
  EXPECT_EQ(AlignmentByte("12.9"), 255);
  EXPECT_EQ(AlignmentByte("13"), 255);
  EXPECT_EQ(AlignmentByte("99"), 255);
  EXPECT_EQ(AlignmentByte("-12.6"), 0);
  EXPECT_EQ(AlignmentByte("-50"), 0);
}

TEST(AlignmentText, TextThatIsNoNumberGivesNothing) {
  for (const char* text : {"", "  ", "-", "abc", "1.2x", "1..2", "nan", "inf"}) {
    EXPECT_FALSE(AlignmentByte(text).has_value()) << text;
  }
}

}  // namespace
}  // namespace vorlanz
