#include "output/data_file.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "board/main_screen.h"
#include "model/pool_data.h"
#include "output/logic/data_codec.h"
#include "output/logic/data_file_messages.h"
#include "output/logic/data_file_name.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "widgets/alert_box.h"
#include "widgets/primitives.h"

namespace vorlanz {

namespace {

// Picks a file in "MEMORY", which is made first if it is missing; the name
// part of the file used last is proposed. The choice becomes the file used
// last, a cancel (the empty string) included.
void ChooseDataFile(platform::FileChoice::Purpose purpose, const char* title) {
  platform::EnsureDirectory(kDataFolder);
  PoolData& pool = Pool();
  pool.DataFileName = platform::Current().ChooseFile(
      {purpose, title, kDataFolder, kDataPattern, NamePart(pool.DataFileName)});
}

void ReportFileProblem(const std::string& path, std::string_view reason) {
  std::error_code no_directory;
  const std::filesystem::path here = std::filesystem::current_path(no_directory);
  const std::string shown =
      platform::Utf8FromPath(platform::PathFromUtf8(path).lexically_proximate(here));
  AlertBox(1, 0, 0, FileAlertText(shown, reason), 1, "_OK");
}

void ReadDataFile(const std::string& path) {
  const auto bytes = platform::ReadFile(platform::PathFromUtf8(path));
  if (!bytes) {
    ReportFileProblem(path, kCannotRead);
    return;
  }
  if (const auto problem = DecodeDataFile(*bytes, Pool())) {
    ReportFileProblem(path, LoadProblemText(*problem));
    return;
  }
  // The tip set belongs to the data that were replaced.
  Pool().TipSetReady = kFalse;
  DrawMainScreen();
}

}  // namespace

void SaveData() {
  ChooseDataFile(platform::FileChoice::Purpose::Save, "Daten speichern");
  const std::string& path = Pool().DataFileName;
  if (path.empty()) return;
  if (!platform::WriteFileAtomic(platform::PathFromUtf8(path), EncodeDataFile(Pool()))) {
    ReportFileProblem(path, kCannotWrite);
  }
}

void LoadData() {
  SelectFont(16);
  ChooseDataFile(platform::FileChoice::Purpose::Open, "Daten laden");
  const std::string path = Pool().DataFileName;
  if (!path.empty() && platform::FileExists(platform::PathFromUtf8(path))) ReadDataFile(path);
  ResetContestStandings(Pool());
}

}  // namespace vorlanz
