#include "entry/logic/entry_fields.h"

#include <algorithm>
#include <cstddef>

#include "model/characters.h"
#include "model/rounding.h"

namespace vorlanz {

namespace {

// The whole part and the digits after a decimal point rounded to a whole
// number, a half to the even neighbour. Past the first digit only whether
// any digit is other than 0 matters, so the number is counted in twentieths:
// twice the first digit, plus one when more follows.
unsigned RoundedNumber(unsigned whole, std::string_view fraction) {
  if (fraction.empty()) return whole;
  const unsigned first = static_cast<unsigned>(fraction[0] - '0');
  const bool more = fraction.substr(1).find_first_not_of('0') != std::string_view::npos;
  return RoundHalfEven(20 * whole + 2 * first + (more ? 1u : 0u), 20u);
}

}  // namespace

Byte ParseWeight(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) ++pos;

  // The whole part saturates: once above 255 further digits cannot matter.
  unsigned whole = 0;
  std::size_t digits = 0;
  for (; pos < text.size() && IsDigit(text[pos]); ++pos, ++digits) {
    if (whole <= unsigned{kMaxWeight}) whole = whole * 10 + static_cast<unsigned>(text[pos] - '0');
  }
  std::string_view fraction;
  if (pos < text.size() && text[pos] == '.') {
    const std::size_t start = ++pos;
    while (pos < text.size() && IsDigit(text[pos])) ++pos;
    fraction = text.substr(start, pos - start);
  }
  if (digits == 0 && fraction.empty()) return 0;
  const unsigned rounded = RoundedNumber(whole, fraction);
  return static_cast<Byte>(std::min(rounded, unsigned{kMaxWeight}));
}

std::string FormatWeight(Byte weight) {
  if (weight == 0) return "";
  std::string digits = std::to_string(weight);
  if (digits.size() < 2) digits.insert(0, 2 - digits.size(), ' ');
  return digits;
}

std::optional<Byte> ParseSeriesEntry(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  if (text.size() != 1) return std::nullopt;
  switch (text[0]) {
    case '0':
      return kDraw;
    case '1':
      return kHomeWin;
    case '2':
      return kAwayWin;
    default:
      return std::nullopt;
  }
}

std::string FormatSeriesEntry(Byte entry) {
  return entry == kNoEntry ? std::string() : std::to_string(entry);
}

}  // namespace vorlanz
