// A print that cannot be made is told, never taken for done: a failing
// printer gives the program's alert, and a print into a file that ends up
// empty, cut short or nowhere counts as failed and leaves nothing behind.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>

#include "model/pool_data.h"
#include "output/slip_print.h"
#include "platform/qt_platform.h"
#include "platform/qt_platform_probe.h"
#include "support/file_faults.h"
#include "support/file_tree.h"
#include "support/screen_test.h"
#include "support/temp_dir.h"
#include "widgets/alert_box.h"

namespace vorlanz {
namespace {

namespace fs = std::filesystem;

class PrintFaultsTest : public ScreenTest {};

TEST_F(PrintFaultsTest, AFailingPrinterIsTold) {
  std::uint64_t shown = 0;
  std::uint64_t expected = 1;
  os.BreakPrinter();
  os.Then([&] { shown = Checksum(main_screen()); }).KeyDown('O');
  PrintSlip();
  EXPECT_TRUE(os.ScriptDone()) << "an alert was answered";
  EXPECT_TRUE(os.printed_pages().empty());
  os.Then([&] { expected = Checksum(main_screen()); }).KeyDown('O');
  AlertBox(1, 0, 0, "Der Schein konnte|nicht gedruckt werden!", 2, "_OK");
  EXPECT_EQ(shown, expected);
}

// The real printer code printing into a PDF file.
TEST(PrintIntoFile, AFileThatIsNotWholeAfterwardsIsAFailedPrint) {
  VORLANZ_AS_ORDINARY_USER();
  const struct {
    const char* name;
    std::function<void()> make;
    const char* file;
    bool printed;
    rlim_t short_by = 0;  // a full disk: the bytes that find no room
  } cases[] = {
      {"a plain file", [] {}, "slip.pdf", true},
      {"a file that was there", [] { std::ofstream("slip.pdf") << "old"; }, "slip.pdf", true},
      {"a full disk", [] {}, "slip.pdf", false, 4000},
      {"a disk full at the last bytes", [] {}, "slip.pdf", false, 2},
      {"a full disk, the file there before", [] { std::ofstream("slip.pdf") << "old"; }, "slip.pdf",
       false, 4000},
      {"a missing folder", [] {}, "nowhere/slip.pdf", false},
      {"a write-protected folder", [] { fs::permissions(".", fs::perms(0555)); }, "slip.pdf",
       false},
      {"a folder in the way", [] { fs::create_directory("slip.pdf"); }, "slip.pdf", false},
      {"a device that takes nothing", [] {}, "/dev/full", false},
  };
  platform::QtPlatform qt(platform::kMainWidth, platform::kMainHeight);
  const auto print = [&qt](const fs::path& file) {
    platform::QtPlatformProbe(qt).PrintIntoFile(fs::absolute(file).string());
    EXPECT_TRUE(qt.BeginPrint("Scheindruck", {"Courier", 12, true}, 210, 297));
    return qt.PrintMarks("x", {{10, 10}, {20, 30}});
  };
  rlim_t whole = 0;
  {
    vorlanz::testing::TempDir measure;
    ASSERT_TRUE(print("whole.pdf"));
    whole = fs::file_size("whole.pdf");
  }
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    vorlanz::testing::TempDir here;
    c.make();
    vorlanz::testing::Tree before = vorlanz::testing::Snapshot(here.path());
    bool printed = false;
    {
      std::optional<vorlanz::testing::FileSizeLimit> full;
      if (c.short_by > 0) full.emplace(whole - c.short_by);
      printed = print(c.file);
    }
    fs::permissions(here.path(), fs::perms(0755));
    EXPECT_EQ(printed, c.printed);
    vorlanz::testing::Tree after = vorlanz::testing::Snapshot(here.path());
    if (c.printed) {
      ASSERT_TRUE(after.count(c.file));
      const std::string& pdf = after[c.file].content;
      EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
      EXPECT_NE(pdf.find("%%EOF"), std::string::npos);
      after.erase(c.file);
      before.erase(c.file);
    } else if (before.count(c.file) && before[c.file].kind == 'f') {
      before.erase(c.file);  // the printer empties a file it prints into
    }
    EXPECT_EQ(after, before) << "nothing else changes, and nothing is left";
  }
}

}  // namespace
}  // namespace vorlanz
