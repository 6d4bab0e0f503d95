#include "model/random.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace vorlanz {
namespace {

TEST(RandomTest, SameSeedSameSequenceOtherSeedOtherSequence) {
  Random a(42);
  Random b(42);
  Random c(43);
  int differences = 0;
  for (int i = 0; i < 100; ++i) {
    const std::uint32_t value = a.Next();
    ASSERT_EQ(value, b.Next());
    differences += value != c.Next() ? 1 : 0;
  }
  EXPECT_GT(differences, 95);

  a.Seed(7);
  b.Seed(7);
  for (int i = 0; i < 10; ++i) ASSERT_EQ(a.Below(12), b.Below(12));
}

TEST(RandomTest, BelowStaysInRangeAndHitsEveryValueEvenly) {
  Random random(1);
  for (std::uint32_t n : {1u, 2u, 3u, 7u, 12u, 13u, 255u}) {
    std::vector<int> hits(n, 0);
    for (int i = 0; i < 2000 * static_cast<int>(n); ++i) {
      const std::uint32_t value = random.Below(n);
      ASSERT_LT(value, n);
      ++hits[value];
    }
    for (int count : hits) EXPECT_NEAR(count, 2000, 250) << "n=" << n;
  }
  // The largest ranges; 0x80000001 rejects almost half of all raw draws.
  for (int i = 0; i < 1000; ++i) {
    EXPECT_LT(random.Below(0xFFFFFFFFu), 0xFFFFFFFFu);
    EXPECT_LT(random.Below(0x80000001u), 0x80000001u);
  }
}

std::array<int, 3> OutcomeCounts(int home, int draw, int away, int draws) {
  Random random(5);
  std::array<int, 3> counts{};  // home win, draw, away win
  for (int i = 0; i < draws; ++i) {
    const Byte outcome = DrawOutcome(home, draw, away, random);
    if (outcome == kHomeWin) ++counts[0];
    if (outcome == kDraw) ++counts[1];
    if (outcome == kAwayWin) ++counts[2];
  }
  return counts;
}

TEST(DrawOutcomeTest, FollowsTheWeights) {
  const auto counts = OutcomeCounts(6, 4, 2, 120000);
  EXPECT_NEAR(counts[0], 60000, 1000);
  EXPECT_NEAR(counts[1], 40000, 1000);
  EXPECT_NEAR(counts[2], 20000, 1000);
}

TEST(DrawOutcomeTest, NeverDrawsAnOutcomeWithoutWeight) {
  EXPECT_EQ(OutcomeCounts(12, 0, 0, 500), (std::array<int, 3>{500, 0, 0}));
  EXPECT_EQ(OutcomeCounts(0, 1, 0, 500), (std::array<int, 3>{0, 500, 0}));
  EXPECT_EQ(OutcomeCounts(0, 0, 3, 500), (std::array<int, 3>{0, 0, 500}));
  const auto no_draw = OutcomeCounts(1, 0, 1, 1000);
  EXPECT_EQ(no_draw[1], 0);
  EXPECT_EQ(no_draw[0] + no_draw[2], 1000);
  Random random(3);
  EXPECT_EQ(DrawOutcome(0, 0, 0, random), kNoEntry);
}

}  // namespace
}  // namespace vorlanz
