#pragma once

// Decoding UTF-8 text one code point at a time. A byte that does not start a
// well-formed sequence stands for itself as a Latin-1 character, so text
// that came from an 8-bit source still shows its umlauts.

#include <cstddef>
#include <string_view>

namespace vorlanz::platform {

// The code point starting at text[pos]; advances pos past it.
inline char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  int length = 0;
  char32_t value = 0;
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

// Number of characters (code points) in the text.
inline int CodePointCount(std::string_view text) {
  int count = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    NextCodePoint(text, pos);
    ++count;
  }
  return count;
}

}  // namespace vorlanz::platform
