#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "platform/files.h"
#include "platform/whole_pdf.h"
#include "support/file_faults.h"
#include "support/temp_dir_test.h"

// Names that stand for no regular file, and prints into files.

namespace vorlanz::platform {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

using NonRegularFilesTest = vorlanz::testing::TempDirTest;
// What stands under a name that is no file is not read, and nothing waits.
TEST_F(NonRegularFilesTest, OnlyRegularFilesAreReadAndNeverWholeIfLong) {
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
TEST_F(NonRegularFilesTest, AWholePdfEndsWithItsEndMark) {
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
