#include "platform/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "platform/whole_pdf.h"
#include "support/file_faults.h"
#include "support/temp_dir_test.h"

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

// What stands under a name that is no file is not read, and nothing waits.
TEST_F(FilesTest, OnlyRegularFilesAreReadAndNeverWholeIfLong) {
  fs::create_directory(dir_ / "MEMORY");
  const vorlanz::testing::Fifo fifo(dir_ / "FIFO.T13");
  std::ofstream(dir_ / "ABC.T13") << "abcdef";
  fs::create_symlink("ABC.T13", dir_ / "LINK.T13");
  const fs::path huge = dir_ / "HUGE.T13";
  std::ofstream(huge) << "xyz";
  fs::resize_file(huge, 5ull << 30);  // sparse: it costs no disk

  const struct {
    fs::path path;
    bool exists;
    std::optional<Bytes> read;
  } cases[] = {
      {dir_ / "MEMORY", true, std::nullopt},
      {dir_ / "FIFO.T13", true, std::nullopt},
      {"/dev/zero", true, std::nullopt},
      {dir_ / "NONE.T13", false, std::nullopt},
      {dir_ / "LINK.T13", true, Bytes{'a', 'b', 'c', 'd'}},
      {huge, true, Bytes{'x', 'y', 'z', 0}},
  };
  for (const auto& c : cases) {
    const long peak = vorlanz::testing::PeakMemory();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(FileExists(c.path), c.exists) << c.path;
    EXPECT_EQ(ReadFile(c.path, 4), c.read) << c.path;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << c.path;
    EXPECT_LT(vorlanz::testing::PeakMemory() - peak, 16l << 20) << c.path;
  }
  const auto start_of_huge = ReadFile(huge, 2098);
  ASSERT_TRUE(start_of_huge);
  EXPECT_EQ(start_of_huge->size(), 2098u);
}

// A print into a file is whole only with the end mark of its format.
TEST_F(FilesTest, AWholePdfEndsWithItsEndMark) {
  const std::string whole = "%PDF-1.4\n1 0 obj\n<<>>\nendobj\nstartxref\n9\n%%EOF\n";
  const struct {
    const char* name;
    std::string content;
    bool whole;
  } cases[] = {
      {"whole", whole, true},
      {"without the last line break", whole.substr(0, whole.size() - 1), true},
      {"cut in the end mark", whole.substr(0, whole.size() - 2), false},
      {"cut after the header", whole.substr(0, 9), false},
      {"empty", "", false},
  };
  for (const auto& c : cases) {
    std::ofstream(c.name, std::ios::binary) << c.content;
    EXPECT_EQ(IsWholePdf(c.name), c.whole) << c.name;
  }
  fs::create_directory("folder.pdf");
  EXPECT_FALSE(IsWholePdf("folder.pdf"));
  EXPECT_FALSE(IsWholePdf("/dev/full"));
  EXPECT_FALSE(IsWholePdf("missing.pdf"));
}

}  // namespace
}  // namespace vorlanz::platform
