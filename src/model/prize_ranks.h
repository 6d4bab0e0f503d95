#pragma once

// A row wins a prize when it differs from the GAME series in fewer than
// kPrizeRanks matches: rank I for no difference down to rank IV for three,
// worth 4, 3, 2 and 1 points in the contest.

namespace vorlanz {

inline constexpr int kPrizeRanks = 4;

constexpr bool WinsPrize(int differences) {
  return differences < kPrizeRanks;
}

// The contest's points of a row: 4, 3, 2, 1 for ranks I to IV, else 0.
constexpr int PrizePoints(int differences) {
  return WinsPrize(differences) ? kPrizeRanks - differences : 0;
}

}  // namespace vorlanz
