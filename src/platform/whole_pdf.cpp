#include "platform/whole_pdf.h"

#include <fstream>
#include <string>
#include <system_error>

namespace vorlanz::platform {

bool IsWholePdf(const std::filesystem::path& path) {
  constexpr std::string_view kEndMark = "%%EOF";
  constexpr std::uintmax_t kTail = 32;  // the mark and the line breaks around it
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size < kEndMark.size()) return false;
  std::ifstream in(path, std::ios::binary);
  const std::uintmax_t from = size > kTail ? size - kTail : 0;
  in.seekg(static_cast<std::streamoff>(from));
  std::string tail(static_cast<std::size_t>(size - from), '\0');
  if (!in.read(tail.data(), static_cast<std::streamsize>(tail.size()))) return false;
  const std::size_t last = tail.find_last_not_of("\r\n \t");
  return last != std::string::npos && tail.substr(0, last + 1).ends_with(kEndMark);
}

}  // namespace vorlanz::platform
