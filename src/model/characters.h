#pragma once

// The characters of the program's text: UTF-8 decoded one code point at a
// time, code points encoded again, and upper case. A byte that does not start
// a well-formed sequence stands for itself as a Latin-1 character, so text
// that came from an 8-bit source still shows its umlauts, and counting,
// cutting and drawing a text always agree on its characters.

#include <cstddef>
#include <string>
#include <string_view>

namespace vorlanz {

// The code point starting at text[pos]; advances pos past it.
char32_t NextCodePoint(std::string_view text, std::size_t& pos);

// Number of characters (code points) in the text.
int CodePointCount(std::string_view text);

// Byte offset of character `index` (0-based); the text's size past its end.
std::size_t CodePointOffset(std::string_view text, int index);

// The UTF-8 bytes of a code point.
std::string EncodeUtf8(char32_t code_point);

// Upper case of a character: the ASCII and the Latin-1 letters; any other
// character is returned as it is.
char32_t UpperCase(char32_t code_point);

// The text with each character upper-cased.
std::string UpperCaseText(std::string_view utf8);

// The characters of numbers typed into fields: decimal digits, and the
// blanks and tabs that may stand around them.
inline bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
inline bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace vorlanz
