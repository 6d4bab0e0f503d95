#include "output/logic/alignment_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace vorlanz {
namespace {

TEST(AlignmentText, MillimetresWithOneDecimalInFiveCharacters) {
  EXPECT_EQ(MillimetreText(126), "  0.0");
  EXPECT_EQ(MillimetreText(131), "  0.5");
  EXPECT_EQ(MillimetreText(101), " -2.5");
  EXPECT_EQ(MillimetreText(0), "-12.6");
  EXPECT_EQ(MillimetreText(255), " 12.9");
}

// Typed millimetres become the byte, rounded to the nearest tenth and held
// to the byte's range; text that is no number gives nothing.
TEST(AlignmentText, TypedMillimetresBecomeTheByte) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"  0.0", 126}, {"-2.5", 101}, {"+1", 136}, {"0,5", 131}, {"0.04", 126},
      {"0.06", 127},  {"12.9", 255}, {"13", 255}, {"99", 255},  {"-12.6", 0},
      {"-50", 0},     {"", {}},      {"  ", {}},  {"-", {}},    {"abc", {}},
      {"1.2x", {}},   {"1..2", {}},  {"nan", {}}, {"inf", {}},
  };
  for (const auto& [text, byte] : cases) {
    const auto read = AlignmentByte(text);
    EXPECT_EQ(read ? std::optional<int>(*read) : std::nullopt, byte) << '"' << text << '"';
  }
}

}  // namespace
}  // namespace vorlanz
