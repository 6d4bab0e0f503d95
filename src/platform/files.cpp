#include "platform/files.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace vorlanz::platform {

std::filesystem::path PathFromUtf8(std::string_view text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

bool FileExists(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

std::optional<std::vector<std::uint8_t>> ReadFile(const std::filesystem::path& path) {
  if (!FileExists(path)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

bool WriteFileAtomic(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::filesystem::path temporary = path;
  temporary += ".tmp";
  std::error_code error;
  bool written = false;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (out) {
      out.write(reinterpret_cast<const char*>(bytes.data()),
                static_cast<std::streamsize>(bytes.size()));
      out.close();
      written = !out.fail();
    }
  }
  if (written) {
    std::filesystem::rename(temporary, path, error);
    if (!error) return true;
  }
  // Only a file of our own making is removed, never what stands in its way.
  if (std::filesystem::is_regular_file(temporary, error)) {
    std::filesystem::remove(temporary, error);
  }
  return false;
}

bool EnsureDirectory(const std::filesystem::path& path) {
  std::error_code error;
  std::filesystem::create_directories(path, error);
  return std::filesystem::is_directory(path, error);
}

}  // namespace vorlanz::platform
