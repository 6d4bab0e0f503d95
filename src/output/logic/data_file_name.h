#pragma once

// The names of data files as the file selector proposes and the messages
// show them.

#include <string>
#include <string_view>

#include "model/characters.h"

namespace vorlanz {

// The name part of a path: what follows its last "\" or "/".
inline std::string NamePart(std::string_view path) {
  const std::size_t slash = path.find_last_of("\\/");
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

// A path as a message shows it: at most `width` characters, a longer one cut
// at the front, between two characters, and marked with "...".
inline std::string ShortenedPath(std::string_view path, int width) {
  constexpr std::string_view kCut = "...";
  constexpr int kCutWidth = static_cast<int>(kCut.size());
  const int length = CodePointCount(path);
  if (length <= width || width <= kCutWidth) return std::string(path);
  return std::string(kCut) +
         std::string(path.substr(CodePointOffset(path, length - (width - kCutWidth))));
}

}  // namespace vorlanz
