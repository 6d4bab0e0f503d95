#include "platform/files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/temp_dir_test.h"

// The plain reads and writes, which the portable core runs on every system.

namespace vorlanz::platform {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

using FilesTest = vorlanz::testing::TempDirTest;

TEST_F(FilesTest, WriteThenReadGivesTheSameBytes) {
  const fs::path path = dir_ / "SYS_MEM.T13";
  EXPECT_FALSE(FileExists(path));
  EXPECT_FALSE(ReadFile(path, 4096).has_value());
  Bytes bytes(2386);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
  ASSERT_TRUE(WriteFileAtomic(path, bytes));
  EXPECT_TRUE(FileExists(path));
  EXPECT_EQ(ReadFile(path, 4096), bytes);
  EXPECT_EQ(ReadFile(path, 2386), bytes);
  EXPECT_EQ(ReadFile(path, 3), (Bytes{0, 7, 14})) << "only the start is read";
  // A shorter write replaces the whole file.
  ASSERT_TRUE(WriteFileAtomic(path, {1, 2, 3, 4}));
  EXPECT_EQ(ReadFile(path, 4096), (Bytes{1, 2, 3, 4}));
  ASSERT_TRUE(WriteFileAtomic(path, {}));
  EXPECT_EQ(ReadFile(path, 4096), Bytes{});
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1)
      << "nothing beside the file";
}

TEST_F(FilesTest, NamesInUtf8StayTheSame) {
  const std::string name = "Spieltag Jürgen Groß.T13";
  ASSERT_TRUE(WriteFileAtomic(dir_ / PathFromUtf8(name), {1, 2}));
  ASSERT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
  EXPECT_EQ(Utf8FromPath(fs::directory_iterator(dir_)->path().filename()), name);
  EXPECT_EQ(ReadFile(dir_ / PathFromUtf8(name), 16), (std::vector<std::uint8_t>{1, 2}));
}

}  // namespace
}  // namespace vorlanz::platform
