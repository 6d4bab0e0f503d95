#pragma once

// Text helpers of the fixed-pitch screen: numbers in cells, blanks, and
// counting and cutting UTF-8 text by characters rather than bytes. A key read
// from the keyboard is turned into the one-character text whose code is the
// key code, as the modal loops compare keys with hot-key letters.

#include <string>
#include <string_view>

namespace vorlanz {

// The decimal digits of value right-aligned in a field of n characters; a
// number wider than the field keeps all its digits.
std::string Cells(long value, int n);

// n blanks; none for n <= 0.
std::string Blanks(int n);

// Number of characters (code points) of UTF-8 text.
int CharCount(std::string_view utf8);

// The characters first .. first + count - 1 (0-based) of UTF-8 text; cut
// short at the end of the text.
std::string_view CharSlice(std::string_view utf8, int first, int count);

// The text from character first (0-based) to the end.
std::string_view CharsFrom(std::string_view utf8, int first);

// The character whose code is the key code (Latin-1), as UTF-8; empty for a
// code outside 1..255.
std::string KeyCharacter(int key_code);

// The same character upper-cased: "P" for F1 (0x70), "A" for keypad 1 (0x61).
std::string UpperKeyCharacter(int key_code);

}  // namespace vorlanz
