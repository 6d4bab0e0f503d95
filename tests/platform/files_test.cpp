#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/files.h"
#include "support/temp_dir.h"

namespace vorlanz::platform {
namespace {

namespace fs = std::filesystem;

class FilesTest : public ::testing::Test {
 protected:
  vorlanz::testing::TempDir temp_;
  const fs::path dir_ = temp_.path();
};

TEST_F(FilesTest, WriteThenReadGivesTheSameBytes) {
  const fs::path path = dir_ / "SYS_MEM.T13";
  EXPECT_FALSE(FileExists(path));
  EXPECT_FALSE(ReadFile(path).has_value());
  std::vector<std::uint8_t> bytes(2386);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
  ASSERT_TRUE(WriteFileAtomic(path, bytes));
  EXPECT_TRUE(FileExists(path));
  EXPECT_EQ(ReadFile(path), bytes);
  EXPECT_FALSE(fs::exists(dir_ / "SYS_MEM.T13.tmp"));
  // A shorter write replaces the whole file.
  ASSERT_TRUE(WriteFileAtomic(path, {1, 2, 3, 4}));
  EXPECT_EQ(ReadFile(path), (std::vector<std::uint8_t>{1, 2, 3, 4}));
  ASSERT_TRUE(WriteFileAtomic(path, {}));
  EXPECT_EQ(ReadFile(path), std::vector<std::uint8_t>{});
}

TEST_F(FilesTest, FailuresLeaveTheOldFileAndNoTemporaryOne) {
  const fs::path path = dir_ / "VORL13.PAR";
  ASSERT_TRUE(WriteFileAtomic(path, {126, 126, 7, 0}));
  // Something in the way of the temporary file.
  fs::create_directory(dir_ / "VORL13.PAR.tmp");
  EXPECT_FALSE(WriteFileAtomic(path, {1, 1, 1, 1}));
  EXPECT_EQ(ReadFile(path), (std::vector<std::uint8_t>{126, 126, 7, 0}));
  EXPECT_TRUE(fs::is_directory(dir_ / "VORL13.PAR.tmp"));
  // The target is a non-empty directory: the rename cannot replace it.
  const fs::path memory = dir_ / "MEMORY";
  fs::create_directories(memory / "inside");
  EXPECT_FALSE(WriteFileAtomic(memory, {9}));
  EXPECT_FALSE(fs::exists(dir_ / "MEMORY.tmp"));
  EXPECT_TRUE(fs::is_directory(memory / "inside"));
  EXPECT_FALSE(FileExists(memory));
  EXPECT_FALSE(ReadFile(memory).has_value());
  EXPECT_FALSE(WriteFileAtomic(dir_ / "nowhere" / "x.T13", {1}));
  EXPECT_FALSE(fs::exists(dir_ / "nowhere"));
}

// The file selector names files in UTF-8; such a name is the same file, and
// comes back the same text, on every system.
TEST_F(FilesTest, NamesInUtf8StayTheSame) {
  const std::string name = "Spieltag Jürgen Groß.T13";
  ASSERT_TRUE(WriteFileAtomic(dir_ / PathFromUtf8(name), {1, 2}));
  ASSERT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
  EXPECT_EQ(Utf8FromPath(fs::directory_iterator(dir_)->path().filename()), name);
  EXPECT_EQ(ReadFile(dir_ / PathFromUtf8(name)), (std::vector<std::uint8_t>{1, 2}));
}

}  // namespace
}  // namespace vorlanz::platform
