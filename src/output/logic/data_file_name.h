#pragma once

// The names of data files as the file selector proposes and the messages
// show them.

#include <string>
#include <string_view>

namespace vorlanz {

// The name part of a path: what follows its last "\" or "/".
inline std::string NamePart(std::string_view path) {
  const std::size_t slash = path.find_last_of("\\/");
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

// A path as a message shows it: at most `width` characters, a longer one cut
// at the front and marked with "...".
inline std::string ShortenedPath(std::string_view path, std::size_t width) {
  constexpr std::string_view kCut = "...";
  if (path.size() <= width || width <= kCut.size()) return std::string(path);
  return std::string(kCut) + std::string(path.substr(path.size() - (width - kCut.size())));
}

}  // namespace vorlanz
