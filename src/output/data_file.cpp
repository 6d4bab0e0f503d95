#include "output/data_file.h"

#include <string>

#include "board/main_screen.h"
#include "model/pool_data.h"
#include "output/file_alert.h"
#include "output/logic/data_codec.h"
#include "output/logic/data_file_layout.h"
#include "output/logic/data_file_messages.h"
#include "output/logic/data_file_name.h"
#include "platform/files.h"
#include "platform/platform.h"
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

void ReadDataFile(const std::string& path) {
  const auto bytes = platform::ReadFile(platform::PathFromUtf8(path), data_file::kReadSize);
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
  const platform::WriteResult written =
      platform::WriteFileAtomic(platform::PathFromUtf8(path), EncodeDataFile(Pool()));
  if (!written) ReportFileProblem(path, WriteFaultText(written));
}

void LoadData() {
  SelectFont(16);
  ChooseDataFile(platform::FileChoice::Purpose::Open, "Daten laden");
  const std::string path = Pool().DataFileName;
  if (!path.empty() && platform::FileExists(platform::PathFromUtf8(path))) ReadDataFile(path);
  ResetContestStandings(Pool());
}

}  // namespace vorlanz
