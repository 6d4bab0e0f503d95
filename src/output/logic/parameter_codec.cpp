#include "output/logic/parameter_codec.h"

namespace vorlanz {

std::array<std::uint8_t, kParameterFileSize> EncodeParameters(const Parameters& parameters) {
  const auto state = static_cast<std::uint16_t>(parameters.Bundesland);
  return {parameters.PrintOffsetA, parameters.PrintOffsetB, static_cast<std::uint8_t>(state & 0xFF),
          static_cast<std::uint8_t>(state >> 8)};
}

Parameters DecodeParameters(std::span<const std::uint8_t> bytes, Parameters defaults) {
  Parameters result = defaults;
  if (bytes.size() >= 1) result.PrintOffsetA = bytes[0];
  if (bytes.size() >= 2) result.PrintOffsetB = bytes[1];
  if (bytes.size() >= 4) {
    const auto state = static_cast<std::int16_t>(bytes[2] | (bytes[3] << 8));
    result.Bundesland = (state >= 0 && state <= kLastBundesland) ? state : kDefaultBundesland;
  }
  return result;
}

}  // namespace vorlanz
