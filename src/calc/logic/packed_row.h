#pragma once

// A row held in one 32-bit word, two bits per match (match 1 in the lowest
// bits) carrying the outcome code itself: 1 = 01, 0 = 00, 2 = 10. Two rows
// differ in a match exactly where their XOR has a bit set in that match's
// pair, so a distance is an XOR, a fold and a popcount.

#include <cstdint>

#include "model/pool_data.h"

namespace vorlanz {

using PackedRow = std::uint32_t;

inline constexpr PackedRow kLowBits = 0x1555555;  // the low bit of each of the 13 pairs
inline constexpr PackedRow kHighBits = kLowBits << 1;

// A code outside 0..2 (such as a missing series entry) is packed as 11, which
// differs from every outcome.
constexpr PackedRow PackedCode(Byte code) {
  return code <= kAwayWin ? PackedRow{code} : PackedRow{3};
}

constexpr int MatchShift(int match) {
  return 2 * (match - 1);
}

constexpr Byte CodeAt(PackedRow row, int match) {
  return static_cast<Byte>((row >> MatchShift(match)) & 3u);
}

// Number of set bits in a word that has them only at the low bit of a pair.
// Each pair already holds its own count, so the usual bit count can skip its
// first step; written out because a plain x86-64 build has no popcount
// instruction and would call a library routine.
constexpr int CountPairs(PackedRow marks) {
  PackedRow sums = (marks & 0x33333333u) + ((marks >> 2) & 0x33333333u);
  sums = (sums + (sums >> 4)) & 0x0F0F0F0Fu;
  return static_cast<int>((sums * 0x01010101u) >> 24);
}

constexpr int Distance(PackedRow a, PackedRow b) {
  const PackedRow differing = a ^ b;
  return CountPairs((differing | (differing >> 1)) & kLowBits);
}

constexpr int HomeWins(PackedRow row) {
  return CountPairs(row & kLowBits);
}
constexpr int AwayWins(PackedRow row) {
  return CountPairs((row & kHighBits) >> 1);
}
constexpr int Draws(PackedRow row) {
  return kMatchCount - HomeWins(row) - AwayWins(row);
}

// Column `row` of a [match][row] table, or a series, packed.
inline PackedRow PackColumn(const RowTable& table, int row) {
  PackedRow packed = 0;
  for (int match = 1; match <= kMatchCount; ++match) {
    packed |= PackedCode(table[match][row]) << MatchShift(match);
  }
  return packed;
}

inline PackedRow PackSeries(const Series& series) {
  PackedRow packed = 0;
  for (int match = 1; match <= kMatchCount; ++match) {
    packed |= PackedCode(series[match]) << MatchShift(match);
  }
  return packed;
}

}  // namespace vorlanz
