#pragma once

// Runs a test inside a fresh empty directory, since the program keeps its
// files in the current directory.

#include <filesystem>

namespace vorlanz::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

}  // namespace vorlanz::testing
