#include "calc/logic/tip_rules.h"

#include <gtest/gtest.h>

#include <array>

#include "calc/logic/packed_row.h"

namespace vorlanz {
namespace {

// A row that differs from the all-home-wins NORM series in its first
// `errors` matches, each a draw.
PackedRow RowWithDraws(int errors) {
  PackedRow row = 0;
  for (int match = 1; match <= kMatchCount; ++match) {
    row |= PackedRow{match <= errors ? kDraw : kHomeWin} << MatchShift(match);
  }
  return row;
}

struct RuleCase {
  int row;     // the one row that differs from the others
  int errors;  // its differences (all draws); every other row has 4
  bool passes;
};

// The quota implies 4 differences a row and 4 draws, no away wins, in rows
// 1..6; every row but one keeps to that exactly.
TEST(TipRulesTest, EachRowIsJudgedWithTheRowsBeforeIt) {
  PoolData pool;
  pool.Fges = 48;
  pool.DrawQuotaSum = 48;
  pool.AwayQuotaSum = 0;
  const TipRules rules(pool);
  const PackedRow norm = RowWithDraws(0);
  const RuleCase cases[] = {
      {11, 13, false},  // 53 / 11 rounds to 5: the last mean-tested row fails
      {11, 5, true},    // 45 / 11 still rounds to 4
      {12, 13, true},   // row 12 has neither test
      {1, 6, false},    // 6 alone: mean 6, and 6 draws
      {6, 6, false},    // 26 / 6 rounds to 4, but 6 draws are 2 too many
      {6, 5, true},     // 5 draws are 1 off, within the count test
      {7, 6, true},     // 30 / 7 rounds to 4; row 7 has no count test
      {2, 5, true},     // 9 / 2 = 4.5 rounds to the even 4
      {4, 6, false},    // 18 / 4 = 4.5 rounds to 4, but 6 draws fail
      {2, 6, false},    // 10 / 2 = 5
  };
  for (const RuleCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << "row " << c.row << ", " << c.errors << " errors");
    std::array<PackedRow, kRowCount + 1> rows{};
    for (int r = 1; r <= kRowCount; ++r) rows[r] = RowWithDraws(r == c.row ? c.errors : 4);
    EXPECT_EQ(rules.TipSetPasses(rows.data(), norm), c.passes);
  }
}

}  // namespace
}  // namespace vorlanz
