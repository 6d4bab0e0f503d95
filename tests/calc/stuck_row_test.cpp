// A sound forecast can reach a row where no candidate ever touches the
// working quality: every candidate keeps a distance of 8 or more while the
// working quality only cycles 3, 2, 1, 0, 7, ..., 0. After the sixth wrap
// from 0 to 7 the row takes the next candidate that is not too close.

#include <gtest/gtest.h>

#include <algorithm>

#include "calc/logic/tip_calculation.h"
#include "support/calculation_trace.h"

namespace vorlanz {
namespace {

using testing::CalculationTrace;
using testing::RowDistance;
using testing::SetRow;
using testing::SetSeries;

constexpr const char* kAcceptedRows[10] = {
    "2020011102012", "2020021111012", "0020111102212", "2020120112012", "0120120111012",
    "1020121122012", "2020110100012", "2120100111112", "2000220122012", "1120100101212"};

// Quota left per match: home win, draw, away win.
constexpr int kQuotaLeft[13][3] = {{2, 0, 0}, {2, 0, 0}, {2, 0, 0}, {0, 0, 2}, {0, 0, 2},
                                   {1, 1, 0}, {2, 0, 0}, {0, 2, 0}, {0, 0, 2}, {1, 0, 1},
                                   {2, 0, 0}, {0, 0, 2}, {0, 1, 1}};

PoolData StuckAtRowEleven() {
  PoolData pool;
  pool.SystemQuality = 3;
  SetSeries(pool.NormSeries, "2102102101001");
  pool.Fges = 106;
  for (int row = 1; row <= 10; ++row) SetRow(pool, row, kAcceptedRows[row - 1]);
  for (int match = 1; match <= kMatchCount; ++match) {
    const auto& left = kQuotaLeft[match - 1];
    pool.OutcomeQuota[match] = {0, static_cast<Byte>(left[0]), static_cast<Byte>(left[1]),
                                static_cast<Byte>(left[2])};
    for (int row = 11; row <= kRowCount; ++row) pool.TipRows[match][row] = 9;
  }
  return pool;
}

TEST(StuckRowTest, RowElevenIsTakenAfterTheLastWrap) {
  for (std::uint64_t seed = 0; seed < 20; ++seed) {
    PoolData pool = StuckAtRowEleven();
    Random random(seed);
    CalculationTrace trace;
    ASSERT_EQ(ResumeTips(pool, 11, random, trace), CalculationResult::Complete);

    // 2, 1, 0, five times 7..0, and the sixth wrap to 7: 44 lowerings of 81
    // rejections each.
    std::vector<int> lowerings{2, 1, 0};
    for (int wrap = 1; wrap <= 5; ++wrap)
      lowerings.insert(lowerings.end(), {7, 6, 5, 4, 3, 2, 1, 0});
    lowerings.push_back(7);
    EXPECT_EQ(trace.rows[11].lowerings, lowerings);
    EXPECT_EQ(trace.rows[11].candidates, 44 * 81 + 1);
    EXPECT_EQ(trace.last_shown_quality, 7);

    int minimum = kMatchCount;
    for (int earlier = 1; earlier <= 10; ++earlier) {
      minimum = std::min(minimum, RowDistance(pool, earlier, 11));
    }
    EXPECT_GE(minimum, 8);
    EXPECT_EQ(pool.RowMinDistance[11], minimum);
    EXPECT_EQ(pool.RowQuality[11], minimum);
    EXPECT_EQ(trace.accepted[0].row, 11);
    EXPECT_EQ(trace.accepted[0].quality, minimum);

    // Row 12 takes what is left, and the quota is used up.
    EXPECT_EQ(trace.rows[12].candidates, 1);
    for (int match = 1; match <= kMatchCount; ++match) {
      EXPECT_EQ(pool.OutcomeQuota[match], (Table<Byte, 3>{0, 0, 0, 0}));
      for (int row = 1; row <= 10; ++row) {
        EXPECT_EQ(pool.TipRows[match][row], kAcceptedRows[row - 1][match - 1] - '0');
      }
    }
  }
}

}  // namespace
}  // namespace vorlanz
