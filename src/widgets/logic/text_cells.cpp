#include "widgets/logic/text_cells.h"

#include "model/characters.h"

namespace vorlanz {

std::string Cells(long value, int n) {
  std::string digits = std::to_string(value);
  const int pad = n - static_cast<int>(digits.size());
  return pad > 0 ? Blanks(pad) + digits : digits;
}

std::string Blanks(int n) {
  return n > 0 ? std::string(static_cast<std::size_t>(n), ' ') : "";
}

int CharCount(std::string_view utf8) {
  return CodePointCount(utf8);
}

std::string_view CharSlice(std::string_view utf8, int first, int count) {
  if (first < 0) first = 0;
  if (count <= 0) return {};
  const std::size_t begin = CodePointOffset(utf8, first);
  const std::size_t end = begin + CodePointOffset(utf8.substr(begin), count);
  return utf8.substr(begin, end - begin);
}

std::string_view CharsFrom(std::string_view utf8, int first) {
  return utf8.substr(CodePointOffset(utf8, first < 0 ? 0 : first));
}

std::string KeyCharacter(int key_code) {
  if (key_code < 1 || key_code > 255) return {};
  return EncodeUtf8(static_cast<char32_t>(key_code));
}

std::string UpperKeyCharacter(int key_code) {
  return UpperCaseText(KeyCharacter(key_code));
}

}  // namespace vorlanz
