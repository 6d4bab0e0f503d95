#include "model/characters.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/rounding.h"

namespace vorlanz {
namespace {

TEST(Characters, DecodeUtf8AndKeepStrayBytesAsLatin1) {
  const std::string text = "a\xC3\x84\xE2\x82\xAC\xF0\x9F\x98\x80\xC4z";  // a Ä € 😀 stray-Ä z
  std::vector<char32_t> decoded;
  for (std::size_t pos = 0; pos < text.size();) decoded.push_back(NextCodePoint(text, pos));
  EXPECT_EQ(decoded, (std::vector<char32_t>{U'a', U'Ä', U'€', U'\U0001F600', 0xC4, U'z'}));
  // Truncated, overlong and surrogate sequences and stray continuation bytes
  // fall apart into single bytes, each one character.
  EXPECT_EQ(CodePointCount("\xE2\x82"), 2);
  EXPECT_EQ(CodePointCount("\xC0\xAF"), 2);
  EXPECT_EQ(CodePointCount("\xED\xA0\x80"), 3);
  EXPECT_EQ(CodePointCount("\xF4\x90\x80\x80"), 4);  // past U+10FFFF
  EXPECT_EQ(CodePointCount("a\x80\x80"), 3);
  EXPECT_EQ(CodePointCount(""), 0);
  EXPECT_EQ(CodePointOffset("\xC4ü\x80x", 3), 4u);
  EXPECT_EQ(CodePointOffset("ab", 5), 2u);
  for (const char32_t c : {U'a', U'ß', U'€', U'\U0001F600'}) {
    const std::string encoded = EncodeUtf8(c);
    std::size_t pos = 0;
    EXPECT_EQ(NextCodePoint(encoded, pos), c);
    EXPECT_EQ(pos, encoded.size());
  }
}

TEST(Characters, UpperCaseCoversAsciiAndLatin1Letters) {
  EXPECT_EQ(UpperCaseText("az_09ßäöüÿ÷é€"), "AZ_09ßÄÖÜŸ÷É€");
  EXPECT_EQ(UpperCase(U'`'), U'`');
  EXPECT_EQ(UpperCase(U'{'), U'{');
  EXPECT_EQ(UpperCaseText("\xE4"), "Ä");     // a stray Latin-1 letter
  EXPECT_EQ(UpperCaseText("\x80"), "\x80");  // a stray non-letter keeps its byte
}

TEST(Rounding, HalvesGoToTheEvenNeighbourOnBothSides) {
  EXPECT_EQ(RoundHalfEven(435, 2), 218);
  EXPECT_EQ(RoundHalfEven(433, 2), 216);
  EXPECT_EQ(RoundHalfEven(224, 3), 75);
  EXPECT_EQ(RoundHalfEven(226, 3), 75);
  EXPECT_EQ(RoundHalfEven(-7, 2), -4);
  EXPECT_EQ(RoundHalfEven(-5, 2), -2);
  EXPECT_EQ(RoundHalfEven(-8, 3), -3);
  EXPECT_EQ(RoundHalfEven(std::int64_t{25}, 10), 2);
}

}  // namespace
}  // namespace vorlanz
