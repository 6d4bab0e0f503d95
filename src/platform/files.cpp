#include "platform/files.h"
#include "platform/link_target.h"

#include <system_error>

namespace vorlanz::platform {

namespace fs = std::filesystem;

fs::path PathFromUtf8(std::string_view text) {
  return fs::path(std::u8string(text.begin(), text.end()));
}

std::string Utf8FromPath(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

bool FileExists(const fs::path& path) {
  std::error_code error;
  return fs::exists(path, error);
}

bool EnsureDirectory(const fs::path& path) {
  std::error_code error;
  fs::create_directories(path, error);
  return fs::is_directory(path, error);
}

fs::path LinkTarget(fs::path path) {
  std::error_code error;
  for (int hop = 0; hop < kMostLinks && fs::is_symlink(fs::symlink_status(path, error)); ++hop) {
    const fs::path points_at = fs::read_symlink(path, error);
    if (error) break;
    path = points_at.is_absolute() ? points_at : path.parent_path() / points_at;
  }
  return path;
}

}  // namespace vorlanz::platform
