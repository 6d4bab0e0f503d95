#pragma once

// The tests a calculated row must pass besides its distance to the earlier
// rows: the mean test (the rows' mean number of differences from the NORM
// series, rounded, is the one the quota implies) and the count test (rows
// 1..6 hold about the expected numbers of draws and away wins). The
// calculation holds each new row to them; whoever changes a tip set later can
// hold the whole set to the same rules.

#include <cstdint>

#include "calc/logic/packed_row.h"
#include "model/pool_data.h"

namespace vorlanz {

// Rows after this one have no count test.
inline constexpr int kLastCountedRow = 6;
// Row 12 has no mean test.
inline constexpr int kLastMeanTestedRow = kRowCount - 1;

class TipRules {
 public:
  // From Fges, DrawQuotaSum and AwayQuotaSum as the quota step left them.
  explicit TipRules(const PoolData& pool);

  // Bit e is set if row `row` passes the mean test with e differences from
  // the NORM series when rows 1..row-1 have `earlier_errors` between them.
  // Both sides of the test round a half to the even neighbour, which for the
  // rows' side matters only in even rows. Row 12 passes with any value.
  std::uint32_t MeanMask(int row, int earlier_errors) const;

  bool PassesCountTest(PackedRow row) const {
    return ((draw_mask_ >> Draws(row)) & (away_mask_ >> AwayWins(row)) & 1u) != 0;
  }

  // Whether rows[1..12] pass the mean test in rows 1..11 and the count test
  // in rows 1..6, each row judged with the rows before it.
  bool TipSetPasses(const PackedRow* rows, PackedRow norm) const;

 private:
  std::int64_t mean_target_;
  std::uint32_t draw_mask_;
  std::uint32_t away_mask_;
};

}  // namespace vorlanz
