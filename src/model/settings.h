#pragma once

// The settings the parameter file keeps, as a first start finds them.

#include <cstdint>

namespace vorlanz {

inline constexpr std::uint8_t kDefaultPrintOffset = 126;
inline constexpr std::int16_t kDefaultBundesland = 7;
// The twelve federal states are 0..11.
inline constexpr std::int16_t kLastBundesland = 11;

}  // namespace vorlanz
