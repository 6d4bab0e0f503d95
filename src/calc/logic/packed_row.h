#pragma once

// A row held in one 32-bit word, two bits per match (match 1 in the lowest
// bits) carrying the outcome code itself: 1 = 01, 0 = 00, 2 = 10. Two rows
// differ in a match exactly where their XOR has a bit set in that match's
// pair, so a distance is an XOR, a fold and a popcount.

#include <array>
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

// The one packing loop: the codes of matches 1..match_count, `code_of(match)`
// each, packed; the later matches' pairs stay 00.
template <typename CodeOf>
constexpr PackedRow PackMatches(CodeOf code_of, int match_count = kMatchCount) {
  PackedRow packed = 0;
  for (int match = 1; match <= match_count; ++match) {
    packed |= PackedCode(code_of(match)) << MatchShift(match);
  }
  return packed;
}

// Row `row` (1..kRowCount, the table's own numbering) of a [match][row]
// table, over matches 1..match_count.
inline PackedRow PackRow(const RowTable& table, int row, int match_count = kMatchCount) {
  return PackMatches([&](int match) { return table[match][row]; }, match_count);
}

inline PackedRow PackSeries(const Series& series) {
  return PackMatches([&](int match) { return series[match]; });
}

// All rows of a [match][row] table packed, each at its own number 1..kRowCount
// like the table holds them; [0] stays unused.
using PackedTipSet = std::array<PackedRow, kRowCount + 1>;

inline PackedTipSet PackTipSet(const RowTable& table) {
  PackedTipSet packed{};
  for (int row = 1; row <= kRowCount; ++row) packed[row] = PackRow(table, row);
  return packed;
}

}  // namespace vorlanz
