#pragma once

// The parameter file "VORL13.PAR": four bytes, no header — the two printer
// alignment values and the federal state as a little-endian 16-bit number.

#include <array>
#include <cstdint>
#include <span>

namespace vorlanz {

struct Parameters {
  std::uint8_t PrintOffsetA = 126;
  std::uint8_t PrintOffsetB = 126;
  std::int16_t Bundesland = 7;
};

inline constexpr int kParameterFileSize = 4;
inline constexpr std::int16_t kDefaultBundesland = 7;
inline constexpr std::int16_t kLastBundesland = 11;

std::array<std::uint8_t, kParameterFileSize> EncodeParameters(const Parameters& parameters);

// Reads what the bytes hold over the given defaults: a short file keeps the
// defaults for the fields it does not reach, and a federal state outside
// 0..11 becomes the default state.
Parameters DecodeParameters(std::span<const std::uint8_t> bytes, Parameters defaults = {});

}  // namespace vorlanz
