// Saving a data file and the parameter file where the file system is in the
// way. A fault is told in an alert and leaves every file exactly as it was,
// with nothing beside it; a link is saved through to its target, and a file
// of the user's that looks like a temporary one is left alone.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "model/pool_data.h"
#include "output/data_file.h"
#include "output/logic/data_codec.h"
#include "output/parameter_file.h"
#include "support/file_faults.h"
#include "support/file_tree.h"
#include "support/screen_test.h"
#include "support/temp_dir.h"
#include "widgets/alert_box.h"

namespace vorlanz {
namespace {

namespace fs = std::filesystem;
using vorlanz::testing::Snapshot;
using vorlanz::testing::Tree;

void Write(const fs::path& path, const std::string& content, fs::perms mode = fs::perms(0644)) {
  std::ofstream(path, std::ios::binary) << content;
  fs::permissions(path, mode);
}

// One of the two files the program saves.
struct SavedFile {
  const char* path;
  const char* folder;
  std::function<void(platform::HeadlessPlatform&)> save;
  std::function<std::string()> new_content;
  std::string alert_start;
  int alert_default;
};

struct Fault {
  const char* name;
  // Makes the situation; the file's old content is "old".
  std::function<void(const SavedFile&)> make;
  const char* reason;     // the alert's last line; null: the save succeeds
  const char* saved_as;   // where the new content lands, when it does
  rlim_t size_limit = 0;  // a full disk: no file grows beyond this
};

class SaveFaultsTest : public ScreenTest {
 protected:
  // The screen while an alert with this text is shown.
  std::uint64_t AlertShot(const std::string& text, int default_button) {
    std::uint64_t shot = 0;
    os.Then([&] { shot = Checksum(main_screen()); }).KeyDown('O');
    AlertBox(1, 0, 0, text, default_button, "_OK");
    return shot;
  }

  vorlanz::testing::TempDir dir_;
};

TEST_F(SaveFaultsTest, EveryFaultIsToldAndLeavesTheFilesAsTheyWere) {
  VORLANZ_AS_ORDINARY_USER();
  ::umask(022);
  const SavedFile files[] = {
      {"MEMORY/ABC.T13", "MEMORY",
       [](platform::HeadlessPlatform& p) {
         p.AnswerFileChoice("MEMORY/ABC.T13");
         SaveData();
       },
       [] {
         const std::vector<Byte> bytes = EncodeDataFile(Pool());
         return std::string(bytes.begin(), bytes.end());
       },
       "Die Datei|MEMORY/ABC.T13|", 1},
      {"VORL13.PAR", ".", [](platform::HeadlessPlatform&) { SaveParameters(); },
       [] {
         return std::string{126, 126, 7, 0};
       },
       "Die Datei VORL13.PAR|", 2},
  };
  const Fault faults[] = {
      {"a write-protected file", [](const SavedFile& f) { Write(f.path, "old", fs::perms(0444)); },
       "ist schreibgeschützt!", nullptr},
      {"a write-protected folder",
       [](const SavedFile& f) {
         Write(f.path, "old");
         fs::permissions(f.folder, fs::perms(0555));
       },
       "kann nicht geschrieben werden!", nullptr},
      {"a full disk", [](const SavedFile& f) { Write(f.path, "old"); },
       "kann nicht geschrieben werden!", nullptr, 2},
      {"a folder in the way",
       [](const SavedFile& f) {
         fs::create_directory(f.path);
         Write(fs::path(f.path) / "inside", "old");
       },
       "kann nicht geschrieben werden!", nullptr},
      {"a link to a file elsewhere",
       [](const SavedFile& f) {
         fs::create_directory("elsewhere");
         Write("elsewhere/TARGET", "old", fs::perms(0640));
         fs::create_symlink(fs::path(f.folder) == "." ? "elsewhere/TARGET" : "../elsewhere/TARGET",
                            f.path);
       },
       nullptr, "elsewhere/TARGET"},
      {"the user's own .tmp file",
       [](const SavedFile& f) {
         Write(f.path, "old");
         Write(std::string(f.path) + ".tmp", "mine");
       },
       nullptr, ""},
      {"a file only its owner may read",
       [](const SavedFile& f) { Write(f.path, "old", fs::perms(0600)); }, nullptr, ""},
  };
  for (const SavedFile& file : files) {
    for (const Fault& fault : faults) {
      SCOPED_TRACE(std::string(file.path) + ", " + fault.name);
      ResetPool();
      vorlanz::testing::TempDir here;
      fs::create_directory("MEMORY");
      fault.make(file);
      Tree expected = Snapshot(here.path());
      if (fault.saved_as != nullptr) {
        expected[*fault.saved_as != '\0' ? fault.saved_as : file.path].content = file.new_content();
      }

      std::uint64_t shown = 0;
      if (fault.reason != nullptr) os.Then([&] { shown = Checksum(main_screen()); }).KeyDown('O');
      {
        std::optional<vorlanz::testing::FileSizeLimit> full;
        if (fault.size_limit > 0) full.emplace(fault.size_limit);
        file.save(os);
      }
      EXPECT_TRUE(os.ScriptDone()) << "the alert was answered";
      os.Clear();
      EXPECT_EQ(Snapshot(here.path()), expected);
      if (fault.reason != nullptr) {
        EXPECT_EQ(shown, AlertShot(file.alert_start + fault.reason, file.alert_default));
      }
      fs::permissions(file.folder, fs::perms(0755));
    }
  }
}

}  // namespace
}  // namespace vorlanz
