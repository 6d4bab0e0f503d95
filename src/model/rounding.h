#pragma once

#include <cstdint>

namespace vorlanz {

// numerator / denominator rounded to the nearest whole number, a half to the
// even neighbour. Both are non-negative and the denominator is positive.
constexpr std::int64_t RoundHalfEven(std::int64_t numerator, std::int64_t denominator) {
  std::int64_t quotient = numerator / denominator;
  const std::int64_t twiceRest = 2 * (numerator % denominator);
  if (twiceRest > denominator || (twiceRest == denominator && quotient % 2 != 0)) ++quotient;
  return quotient;
}

struct Interval {
  std::int64_t low;
  std::int64_t high;
};

// The numerators n with RoundHalfEven(n, denominator) == quotient: within
// half a denominator of quotient × denominator, the exact halves included
// only if the quotient is even.
constexpr Interval RoundingToHalfEven(std::int64_t quotient, std::int64_t denominator) {
  const std::int64_t centre = quotient * denominator;
  std::int64_t reach = (denominator - 1) / 2;
  if (denominator % 2 == 0 && quotient % 2 == 0) reach = denominator / 2;
  return {centre - reach, centre + reach};
}

}  // namespace vorlanz
