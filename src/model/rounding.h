#pragma once

#include <concepts>
#include <cstdint>
#include <type_traits>

namespace vorlanz {

// numerator / denominator rounded to the nearest whole number, a half to the
// even neighbour (so -2.5 gives -2 and 3.5 gives 4). The denominator is
// positive; the result has the common type of the two.
template <std::integral N, std::integral D>
constexpr std::common_type_t<N, D> RoundHalfEven(N numerator, D denominator) {
  using T = std::common_type_t<N, D>;
  const T n = numerator;
  const T d = denominator;
  T quotient = n / d;
  const T rest = n % d;
  const T twice_rest = static_cast<T>(2 * (rest < 0 ? -rest : rest));
  if (twice_rest > d || (twice_rest == d && quotient % 2 != 0)) {
    quotient = static_cast<T>(quotient + (n < 0 ? -1 : 1));
  }
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
