#include "widgets/logic/text_cells.h"

#include <cstdlib>

namespace vorlanz {

namespace {

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte offset of character index (0-based); the text's size past its end.
std::size_t ByteOffset(std::string_view utf8, int index) {
  std::size_t pos = 0;
  for (int i = 0; i < index && pos < utf8.size(); ++i) {
    ++pos;
    while (pos < utf8.size() && IsContinuationByte(utf8[pos])) ++pos;
  }
  return pos;
}

std::string EncodeUtf8(unsigned code_point) {
  std::string out;
  if (code_point < 0x80) {
    out += static_cast<char>(code_point);
  } else if (code_point < 0x800) {
    out += static_cast<char>(0xC0 | (code_point >> 6));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code_point >> 12));
    out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  }
  return out;
}

// The code point of a one- or two-byte character; 0 for anything longer.
unsigned DecodeShort(std::string_view one_char) {
  if (one_char.size() == 1) return static_cast<unsigned char>(one_char[0]);
  if (one_char.size() == 2 && (static_cast<unsigned char>(one_char[0]) & 0xE0) == 0xC0) {
    return ((static_cast<unsigned char>(one_char[0]) & 0x1Fu) << 6) |
           (static_cast<unsigned char>(one_char[1]) & 0x3Fu);
  }
  return 0;
}

}  // namespace

std::string Cells(long value, int n) {
  std::string digits = std::to_string(value);
  const int pad = n - static_cast<int>(digits.size());
  return pad > 0 ? Blanks(pad) + digits : digits;
}

std::string Blanks(int n) {
  return n > 0 ? std::string(static_cast<std::size_t>(n), ' ') : "";
}

int CharCount(std::string_view utf8) {
  int count = 0;
  for (char c : utf8) {
    if (!IsContinuationByte(c)) ++count;
  }
  return count;
}

std::string_view CharSlice(std::string_view utf8, int first, int count) {
  if (first < 0) first = 0;
  if (count <= 0) return {};
  const std::size_t begin = ByteOffset(utf8, first);
  const std::size_t end = begin + ByteOffset(utf8.substr(begin), count);
  return utf8.substr(begin, end - begin);
}

std::string_view CharsFrom(std::string_view utf8, int first) {
  return utf8.substr(ByteOffset(utf8, first < 0 ? 0 : first));
}

std::string UpperCaseChar(std::string_view one_char) {
  const unsigned code = DecodeShort(one_char);
  if (code >= 'a' && code <= 'z') return std::string(1, static_cast<char>(code - 0x20));
  if (code >= 0xE0 && code <= 0xFE && code != 0xF7) return EncodeUtf8(code - 0x20);
  if (code == 0xFF) return EncodeUtf8(0x178);
  return std::string(one_char);
}

std::string KeyCharacter(int key_code) {
  if (key_code < 1 || key_code > 255) return {};
  return EncodeUtf8(static_cast<unsigned>(key_code));
}

std::string UpperKeyCharacter(int key_code) {
  return UpperCaseChar(KeyCharacter(key_code));
}

int RoundedQuotient(int numerator, int denominator) {
  const std::div_t d = std::div(numerator, denominator);
  int quotient = d.quot;
  const int twice_rest = 2 * std::abs(d.rem);
  const int step = numerator < 0 ? -1 : 1;
  if (twice_rest > denominator || (twice_rest == denominator && quotient % 2 != 0)) {
    quotient += step;
  }
  return quotient;
}

}  // namespace vorlanz
