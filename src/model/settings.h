#pragma once

// The settings the parameter file keeps, as a first start finds them.

#include <cstdint>

namespace vorlanz {

// An alignment byte moves the slip's marks in steps of 0.1 mm; this one
// leaves them where they are.
inline constexpr std::uint8_t kNoShiftOffset = 126;
inline constexpr std::uint8_t kDefaultPrintOffset = kNoShiftOffset;
inline constexpr std::int16_t kDefaultBundesland = 7;
// The twelve federal states are 0..11.
inline constexpr std::int16_t kLastBundesland = 11;

}  // namespace vorlanz
