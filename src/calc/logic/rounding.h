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

}  // namespace vorlanz
