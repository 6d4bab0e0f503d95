#include "model/characters.h"

namespace vorlanz {

char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  int length = 0;
  char32_t value = lead;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    value = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    value = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    value = lead & 0x07u;
  }
  if (length == 0 || pos + static_cast<std::size_t>(length) > text.size()) {
    ++pos;
    return lead;
  }
  for (int i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + static_cast<std::size_t>(i)]);
    if ((next & 0xC0u) != 0x80u) {
      ++pos;
      return lead;
    }
    value = (value << 6) | (next & 0x3Fu);
  }
  // Overlong forms, surrogates and values past U+10FFFF are not characters.
  const bool overlong = (length == 3 && value < 0x800) || (length == 4 && value < 0x10000);
  if (overlong || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF) {
    ++pos;
    return lead;
  }
  pos += static_cast<std::size_t>(length);
  return value;
}

int CodePointCount(std::string_view text) {
  int count = 0;
  for (std::size_t pos = 0; pos < text.size(); ++count) NextCodePoint(text, pos);
  return count;
}

std::size_t CodePointOffset(std::string_view text, int index) {
  std::size_t pos = 0;
  for (int i = 0; i < index && pos < text.size(); ++i) NextCodePoint(text, pos);
  return pos;
}

std::string EncodeUtf8(char32_t code_point) {
  const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
  std::string out;
  if (code_point < 0x80) {
    out += byte(code_point);
  } else if (code_point < 0x800) {
    out += byte(0xC0 | (code_point >> 6));
    out += byte(0x80 | (code_point & 0x3F));
  } else if (code_point < 0x10000) {
    out += byte(0xE0 | (code_point >> 12));
    out += byte(0x80 | ((code_point >> 6) & 0x3F));
    out += byte(0x80 | (code_point & 0x3F));
  } else {
    out += byte(0xF0 | (code_point >> 18));
    out += byte(0x80 | ((code_point >> 12) & 0x3F));
    out += byte(0x80 | ((code_point >> 6) & 0x3F));
    out += byte(0x80 | (code_point & 0x3F));
  }
  return out;
}

char32_t UpperCase(char32_t code_point) {
  if (code_point >= 'a' && code_point <= 'z') return code_point - 0x20;
  if (code_point >= 0xE0 && code_point <= 0xFE && code_point != 0xF7) return code_point - 0x20;
  if (code_point == 0xFF) return 0x178;
  return code_point;
}

std::string UpperCaseText(std::string_view utf8) {
  std::string out;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::size_t start = pos;
    const char32_t code_point = NextCodePoint(utf8, pos);
    const char32_t upper = UpperCase(code_point);
    // A character without an upper case keeps its bytes, well-formed or not.
    if (upper == code_point) {
      out += utf8.substr(start, pos - start);
    } else {
      out += EncodeUtf8(upper);
    }
  }
  return out;
}

}  // namespace vorlanz
