#pragma once

// The weighted draw of a whole candidate row from the quota still left. Each
// match draws r uniformly from 0 to S - 1 (S its remaining quota, at most
// 12): a home win if r is below the home quota, a draw if below home plus
// draw quota, else an away win. Matches with one outcome left are settled
// without drawing.

#include <array>
#include <cstdint>

#include "calc/logic/packed_row.h"
#include "model/pool_data.h"
#include "model/random.h"

namespace vorlanz {

class RowDrawer {
 public:
  // Every match must have between 1 and 12 units of quota left.
  explicit RowDrawer(const MatchTable& quota) {
    for (int match = 1; match <= kMatchCount; ++match) {
      const auto& left = quota[match];
      const std::uint32_t home = left[kHomeColumn];
      const std::uint32_t draw = left[kDrawColumn];
      const std::uint32_t total = home + draw + left[kAwayColumn];
      const int shift = MatchShift(match);
      if (home == total) {
        settled_ |= PackedRow{kHomeWin} << shift;
      } else if (draw == total) {
        settled_ |= PackedRow{kDraw} << shift;
      } else if (home + draw == 0) {
        settled_ |= PackedRow{kAwayWin} << shift;
      } else {
        // Home wins (01) for r below home, away wins (10) from home + draw on,
        // draws (00) between.
        const PackedRow codes = (PairsBelow(home) & kLowBits) |
                                (PairsBelow(total) & ~PairsBelow(home + draw) & kHighBits);
        open_[open_count_++] = {total, codes, shift};
      }
    }
  }

  // One 64-bit random word serves two matches.
  PackedRow Draw(Random& random) const {
    PackedRow row = settled_;
    int i = 0;
    for (; i + 1 < open_count_; i += 2) {
      const std::uint64_t bits = random.Next64();
      row |= open_[i].Outcome(random.BelowUsing(static_cast<std::uint32_t>(bits), open_[i].total));
      row |= open_[i + 1].Outcome(
          random.BelowUsing(static_cast<std::uint32_t>(bits >> 32), open_[i + 1].total));
    }
    if (i < open_count_) row |= open_[i].Outcome(random.Below(open_[i].total));
    return row;
  }

 private:
  // All bits of the pairs 0..count-1.
  static PackedRow PairsBelow(std::uint32_t count) { return (PackedRow{1} << (2 * count)) - 1; }

  struct OpenMatch {
    std::uint32_t total;
    PackedRow codes;  // the outcome code of each r, two bits per r
    int shift;

    PackedRow Outcome(std::uint32_t r) const { return ((codes >> (2 * r)) & 3u) << shift; }
  };

  PackedRow settled_ = 0;
  std::array<OpenMatch, kMatchCount> open_{};
  int open_count_ = 0;
};

}  // namespace vorlanz
