#pragma once

// Whole-file reads and writes for the data and parameter files.

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

bool FileExists(const std::filesystem::path& path);

// The whole content of the file, or nothing when it cannot be read.
std::optional<std::vector<std::uint8_t>> ReadFile(const std::filesystem::path& path);

// Writes the bytes to "<path>.tmp" and renames that over the file, so that
// the file is either wholly old or wholly new. On failure the temporary file
// is removed, an existing file keeps its content, and the result is false.
bool WriteFileAtomic(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

// Makes the folder if it is missing; true when it exists afterwards.
bool EnsureDirectory(const std::filesystem::path& path);

}  // namespace vorlanz::platform
