#include "entry/logic/entry_fields.h"

#include <cstddef>

namespace vorlanz {

namespace {

constexpr unsigned kMaxWeight = 255;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// Whether the digits after a decimal point round the whole part up: above a
// half always, exactly a half only when the whole part is odd.
bool RoundsUp(std::string_view fraction, unsigned whole) {
  if (fraction.empty() || fraction[0] < '5') return false;
  if (fraction[0] > '5') return true;
  for (char c : fraction.substr(1)) {
    if (c != '0') return true;
  }
  return whole % 2 == 1;
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
    if (whole <= kMaxWeight) whole = whole * 10 + static_cast<unsigned>(text[pos] - '0');
  }
  std::string_view fraction;
  if (pos < text.size() && text[pos] == '.') {
    const std::size_t start = ++pos;
    while (pos < text.size() && IsDigit(text[pos])) ++pos;
    fraction = text.substr(start, pos - start);
  }
  if (digits == 0 && fraction.empty()) return 0;
  if (RoundsUp(fraction, whole)) ++whole;
  return static_cast<Byte>(whole > kMaxWeight ? kMaxWeight : whole);
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
