#include "output/logic/parameter_codec.h"

#include <gtest/gtest.h>

#include <vector>

namespace vorlanz {
namespace {

TEST(ParameterCodec, WritesLittleEndianAndReadsItBack) {
  EXPECT_EQ(EncodeParameters({126, 126, 1}), (std::array<std::uint8_t, 4>{126, 126, 1, 0}));
  const Parameters read = DecodeParameters(EncodeParameters({3, 250, 11}));
  EXPECT_EQ((std::array{int{read.PrintOffsetA}, int{read.PrintOffsetB}, int{read.Bundesland}}),
            (std::array{3, 250, 11}));
}

// Short files keep the fields they cannot reach, extra bytes are ignored and
// a state outside the twelve becomes Nordrhein-Westfalen.
TEST(ParameterCodec, ShortLongAndOutOfRangeFiles) {
  struct Case {
    std::vector<std::uint8_t> bytes;
    int a, b, state;
  };
  const Case cases[] = {
      {{}, 126, 126, 7},
      {{40}, 40, 126, 7},
      {{40, 41, 3}, 40, 41, 7},
      {{9, 8, 5, 0, 77, 78}, 9, 8, 5},
      {{1, 2, 12, 0}, 1, 2, 7},
      {{1, 2, 0xFF, 0xFF}, 1, 2, 7},
      {{1, 2, 0x00, 0x80}, 1, 2, 7},
  };
  for (const Case& c : cases) {
    const Parameters read = DecodeParameters(c.bytes, {126, 126, 7});
    EXPECT_EQ((std::array{int{read.PrintOffsetA}, int{read.PrintOffsetB}, int{read.Bundesland}}),
              (std::array{c.a, c.b, c.state}))
        << c.bytes.size() << " bytes";
  }
}

}  // namespace
}  // namespace vorlanz
