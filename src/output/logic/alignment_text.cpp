#include "output/logic/alignment_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "output/logic/slip_geometry.h"

namespace vorlanz {

namespace {
constexpr std::size_t kMillimetreWidth = 5;
}

std::string MillimetreText(int alignment_byte) {
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, AlignmentShift(alignment_byte),
                                    std::chars_format::fixed, 1);
  std::string text(digits, result.ptr);
  if (text.size() < kMillimetreWidth) text.insert(0, kMillimetreWidth - text.size(), ' ');
  return text;
}

std::optional<Byte> AlignmentByte(std::string_view millimetres) {
  std::string text(millimetres);
  std::replace(text.begin(), text.end(), ',', '.');
  const auto first = text.find_first_not_of(' ');
  const auto last = text.find_last_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  // A leading "+" is allowed, as people type it.
  const std::size_t start = text[first] == '+' ? first + 1 : first;
  double value = 0;
  const char* stop = text.data() + last + 1;
  const auto [end, error] = std::from_chars(text.data() + start, stop, value);
  if (error != std::errc() || end != stop || !std::isfinite(value)) return std::nullopt;
  const double tenths =
      std::clamp(std::nearbyint(value * 10), double{kLeastShiftTenths}, double{kMostShiftTenths});
  return static_cast<Byte>(static_cast<int>(tenths) + kNoShiftOffset);
}

}  // namespace vorlanz
