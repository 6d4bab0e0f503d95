#pragma once

// The parameter file "VORL13.PAR": four bytes, no header — the two printer
// alignment values and the federal state as a little-endian 16-bit number.

#include <array>
#include <cstdint>
#include <span>

#include "model/settings.h"

namespace vorlanz {

struct Parameters {
  std::uint8_t PrintOffsetA = kDefaultPrintOffset;
  std::uint8_t PrintOffsetB = kDefaultPrintOffset;
  std::int16_t Bundesland = kDefaultBundesland;
};

inline constexpr int kParameterFileSize = 4;

std::array<std::uint8_t, kParameterFileSize> EncodeParameters(const Parameters& parameters);

// Reads what the bytes hold over the given defaults: a short file keeps the
// defaults for the fields it does not reach, and a federal state outside
// 0..11 becomes the default state.
Parameters DecodeParameters(std::span<const std::uint8_t> bytes, Parameters defaults = {});

}  // namespace vorlanz
