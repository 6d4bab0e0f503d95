#include "output/logic/parameter_codec.h"

#include <gtest/gtest.h>

#include <vector>

namespace vorlanz {
namespace {

TEST(ParameterCodec, RoundTripKeepsAllThreeFields) {
  const Parameters written{3, 250, 11};
  const auto bytes = EncodeParameters(written);
  const Parameters read = DecodeParameters(bytes);
  EXPECT_EQ(read.PrintOffsetA, 3);
  EXPECT_EQ(read.PrintOffsetB, 250);
  EXPECT_EQ(read.Bundesland, 11);
}

TEST(ParameterCodec, BayernIsWrittenLittleEndian) {
  const auto bytes = EncodeParameters({126, 126, 1});
  EXPECT_EQ(bytes, (std::array<std::uint8_t, 4>{126, 126, 1, 0}));
}

TEST(ParameterCodec, ShortFileKeepsTheFieldsItCannotReach) {
  const Parameters defaults{126, 126, 7};
  const std::vector<std::uint8_t> one{40};
  Parameters read = DecodeParameters(one, defaults);
  EXPECT_EQ(read.PrintOffsetA, 40);
  EXPECT_EQ(read.PrintOffsetB, 126);
  EXPECT_EQ(read.Bundesland, 7);

  const std::vector<std::uint8_t> three{40, 41, 3};
  read = DecodeParameters(three, defaults);
  EXPECT_EQ(read.PrintOffsetB, 41);
  EXPECT_EQ(read.Bundesland, 7) << "half a state is no state";

  read = DecodeParameters(std::vector<std::uint8_t>{}, defaults);
  EXPECT_EQ(read.PrintOffsetA, 126);
}

TEST(ParameterCodec, StateOutsideTheTwelveBecomesNordrheinWestfalen) {
  for (const std::vector<std::uint8_t>& bytes :
       {std::vector<std::uint8_t>{1, 2, 12, 0}, std::vector<std::uint8_t>{1, 2, 0xFF, 0xFF},
        std::vector<std::uint8_t>{1, 2, 0x00, 0x80}}) {
    const Parameters read = DecodeParameters(bytes);
    EXPECT_EQ(read.Bundesland, 7);
    EXPECT_EQ(read.PrintOffsetA, 1);
    EXPECT_EQ(read.PrintOffsetB, 2);
  }
}

TEST(ParameterCodec, ExtraBytesAreIgnored) {
  const std::vector<std::uint8_t> bytes{9, 8, 5, 0, 77, 78};
  EXPECT_EQ(DecodeParameters(bytes).Bundesland, 5);
}

}  // namespace
}  // namespace vorlanz
