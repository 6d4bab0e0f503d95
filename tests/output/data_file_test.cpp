#include "output/data_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <vector>

#include "output/data_test_support.h"
#include "output/logic/data_file_messages.h"
#include "platform/files.h"
#include "support/file_faults.h"
#include "support/screen_test.h"
#include "support/temp_dir.h"

namespace vorlanz {
namespace {

using platform::FileChoice;
using platform::vk::kReturn;
using testing::FillDataFields;
using testing::LoadedState;

class DataFileTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    FillDataFields(Pool(), 5);
    StartContest();
  }

  // Standings as a contest leaves them.
  static void StartContest() {
    PoolData& pool = Pool();
    pool.ContestTotal[3] = 17;
    pool.ContestRun = 4;
    pool.ContestAverage = 2.5f;
    pool.ContestOrder = {3, 1, 2, 0, 4, 5, 6, 7, 8, 9};
  }

  static void ExpectStandingsReset() {
    const PoolData& pool = Pool();
    const PoolData start;
    EXPECT_EQ(pool.ContestTotal, start.ContestTotal);
    EXPECT_EQ(pool.ContestRun, 0);
    EXPECT_EQ(pool.ContestAverage, 0.0f);
    EXPECT_EQ(pool.ContestOrder, start.ContestOrder);
  }

  // Loads a file that must be refused: one alert, answered with Return.
  void LoadRefused(const std::string& path) {
    const std::vector<Byte> before = LoadedState(Pool());
    StartContest();
    os.AnswerFileChoice(path).KeyDown(kReturn);
    LoadData();
    EXPECT_TRUE(os.ScriptDone()) << path << ": an alert was answered";
    EXPECT_EQ(LoadedState(Pool()), before) << path;
    ExpectStandingsReset();
  }

  vorlanz::testing::TempDir dir_;
};

TEST_F(DataFileTest, SavedDataComesBackWithFreshStandings) {
  const PoolData saved = Pool();
  os.AnswerFileChoice("MEMORY/ABC.T13");
  SaveData();
  EXPECT_EQ(std::filesystem::file_size("MEMORY/ABC.T13"), 2386u) << "MEMORY is made";

  FillDataFields(Pool(), 6);
  Pool().TipSetReady = kTrue;
  os.AnswerFileChoice("MEMORY/ABC.T13");
  LoadData();
  EXPECT_FALSE(IsSet(Pool().TipSetReady)) << "the tip set belonged to the replaced data";
  EXPECT_EQ(os.file_choices(),
            (std::vector<FileChoice>{
                {FileChoice::Purpose::Save, "Daten speichern", "MEMORY", "*.T13", "SYS_MEM.T13"},
                {FileChoice::Purpose::Open, "Daten laden", "MEMORY", "*.T13", "ABC.T13"}}));
  EXPECT_EQ(EncodeDataFile(Pool()), EncodeDataFile(saved));
  EXPECT_EQ(Pool().GameSeries, saved.GameSeriesEdit);
  EXPECT_EQ(Pool().SystemQuality, saved.CardQuality[0]);
  ExpectStandingsReset();
}

TEST_F(DataFileTest, ACancelledLoadResetsOnlyTheStandings) {
  const std::vector<Byte> before = LoadedState(Pool());
  Pool().TipSetReady = kTrue;
  os.AnswerFileChoice("");
  LoadData();
  EXPECT_EQ(LoadedState(Pool()), before);
  EXPECT_TRUE(IsSet(Pool().TipSetReady)) << "nothing was loaded";
  ExpectStandingsReset();
  EXPECT_EQ(Pool().DataFileName, "");

  StartContest();
  os.AnswerFileChoice("MEMORY/NOTHERE.T13");
  LoadData();
  EXPECT_TRUE(os.ScriptDone()) << "a missing file is no error";
  EXPECT_EQ(LoadedState(Pool()), before);
  ExpectStandingsReset();

  os.AnswerFileChoice("");
  SaveData();
  EXPECT_TRUE(std::filesystem::is_empty("MEMORY")) << "a cancelled save writes nothing";
}

TEST_F(DataFileTest, TheNamePartOfTheFileUsedLastIsProposed) {
  for (const char* used : {"MEMORY\\ABC.T13", "MEMORY/ABC.T13", "ABC.T13", "/tmp/x/ABC.T13"}) {
    Pool().DataFileName = used;
    os.AnswerFileChoice("");
    SaveData();
    EXPECT_EQ(os.file_choices().back().proposed, "ABC.T13") << used;
  }
  EXPECT_EQ(Pool().DataFileName, "");
  os.AnswerFileChoice("");
  LoadData();
  EXPECT_EQ(os.file_choices().back().proposed, "") << "after a cancel nothing is proposed";
}

TEST_F(DataFileTest, ShortAndOutOfRangeFilesAreReportedAndChangeNothing) {
  PoolData other;
  FillDataFields(other, 9);
  std::vector<Byte> bytes = EncodeDataFile(other);
  std::filesystem::create_directory("MEMORY");

  ASSERT_TRUE(platform::WriteFileAtomic("MEMORY/SHORT.T13", {bytes.begin(), bytes.begin() + 2097}));
  LoadRefused("MEMORY/SHORT.T13");

  bytes[data_file::kCardQuality + 2] = 10;
  ASSERT_TRUE(platform::WriteFileAtomic("MEMORY/BAD.T13", bytes));
  LoadRefused("MEMORY/BAD.T13");

  ASSERT_TRUE(platform::WriteFileAtomic("MEMORY/EMPTY.T13", {}));
  LoadRefused("MEMORY/EMPTY.T13");

  // Names that are no files: never waited for, never read.
  const vorlanz::testing::Fifo fifo("MEMORY/FIFO.T13");
  LoadRefused("MEMORY/FIFO.T13");
  std::filesystem::create_directory("MEMORY/FOLDER.T13");
  LoadRefused("MEMORY/FOLDER.T13");
}

// A file of gigabytes chosen by mistake: its first 2,098 bytes are a whole
// data file, and only they are read.
TEST_F(DataFileTest, OnlyTheStartOfAHugeFileIsRead) {
  PoolData other;
  FillDataFields(other, 9);
  const std::vector<Byte> bytes = EncodeDataFile(other);
  std::filesystem::create_directory("MEMORY");
  ASSERT_TRUE(platform::WriteFileAtomic("MEMORY/HUGE.T13", bytes));
  std::filesystem::resize_file("MEMORY/HUGE.T13", 5ull << 30);  // sparse: costs no disk

  const long peak = vorlanz::testing::PeakMemory();
  const auto start = std::chrono::steady_clock::now();
  os.AnswerFileChoice("MEMORY/HUGE.T13");
  LoadData();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  EXPECT_LT(vorlanz::testing::PeakMemory() - peak, 16l << 20);
  EXPECT_EQ(EncodeDataFile(Pool()), bytes);
}

// A long name is cut at its front, between characters; a "|" in it must not
// start a new line of the alert.
TEST(DataFileMessages, NameTheFileAndTheReason) {
  std::string umlauts;
  for (int i = 0; i < 80; ++i) umlauts += "ä";
  const std::string long_path = "/home/someone/" + umlauts + "/ABC.T13";
  std::string last_49;
  for (int i = 0; i < 49; ++i) last_49 += "ä";
  EXPECT_EQ(FileAlertText(long_path, kCannotWrite),
            "Die Datei|..." + last_49 + "/ABC.T13|kann nicht geschrieben werden!");
  EXPECT_EQ(FileAlertText("MEMORY/A|B||.T13", kCannotRead),
            "Die Datei|MEMORY/A¦B¦¦.T13|kann nicht gelesen werden!");
  const std::string sixty(60, 'x');
  EXPECT_EQ(FileAlertText(sixty, kCannotRead),
            "Die Datei|" + sixty + "|kann nicht gelesen werden!");
  const DataFileProblem bad{DataFileProblem::Kind::BadValue, 2386, 1979, 10, "Tipp 2, System-Güte"};
  EXPECT_EQ(LoadProblemText(bad),
            "enthält einen ungültigen Wert:|Tipp 2, System-Güte: Wert 10 (Byte 1979).|Sie wurde "
            "nicht geladen.");
}

}  // namespace
}  // namespace vorlanz
