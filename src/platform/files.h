#pragma once

// Reading the start of a file and replacing a file in one step, for the data
// and parameter files.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlanz::platform {

// File names travel through the program as UTF-8 text (the file selector's
// answer, the messages). Windows reads a plain string as its ANSI code page,
// so a name becomes a path, and a path a text, only through these two.
std::filesystem::path PathFromUtf8(std::string_view text);
std::string Utf8FromPath(const std::filesystem::path& path);

// Whether anything stands under the name: a file, a folder, a FIFO, a device.
bool FileExists(const std::filesystem::path& path);

// The first `most` bytes of a regular file (fewer if it is shorter), or
// nothing when it cannot be read. A folder, a FIFO or a device cannot: it is
// never read from, and never waited for.
std::optional<std::vector<std::uint8_t>> ReadFile(const std::filesystem::path& path,
                                                  std::size_t most);

// How a write ended; true when the file now holds the bytes.
struct WriteResult {
  enum class Fault {
    None,
    ReadOnly,  // the file exists and is write-protected: it was not touched
    Failed,    // anything else: no room, no folder, not a file, ...
  };
  Fault fault = Fault::None;
  explicit operator bool() const { return fault == Fault::None; }
};

// Replaces the file's content with the bytes in one step: they are written
// to a new file of a unique name beside it, which is then renamed over it, so
// the file is either wholly old or wholly new. A symbolic link is written
// through, its target replaced where it lies. A replaced file keeps its
// permissions (and its owner, where the system allows); a new one gets the
// usual ones. A write-protected file is refused. On any failure nothing is
// left behind and an existing file keeps its content.
WriteResult WriteFileAtomic(const std::filesystem::path& path,
                            const std::vector<std::uint8_t>& bytes);

// Makes the folder if it is missing; true when it exists afterwards.
bool EnsureDirectory(const std::filesystem::path& path);

}  // namespace vorlanz::platform
