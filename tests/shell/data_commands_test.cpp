// Saving and loading from the main menu ("laden", "sichern") and from the
// calculation window (S, L).

#include <gtest/gtest.h>

#include <filesystem>

#include "model/pool_data.h"
#include "output/data_file.h"
#include "shell/calculation_window.h"
#include "shell/main_menu.h"
#include "support/screen_test.h"
#include "support/temp_dir.h"
#include "support/text_probe.h"

namespace vorlanz {
namespace {

class DataCommandsTest : public ScreenTest {
 protected:
  vorlanz::testing::TempDir dir_;
};

TEST_F(DataCommandsTest, TheMainMenuSavesAndLoads) {
  PoolData& pool = Pool();
  pool.OwnForecast[4][1] = 9;
  pool.OwnForecastReady = kTrue;
  os.AnswerFileChoice("MEMORY/MENU.T13");
  Win_1_MenuEvent(command::kSave);
  EXPECT_EQ(os.file_choices().back().title, "Daten speichern");
  ASSERT_TRUE(std::filesystem::exists("MEMORY/MENU.T13"));

  pool.OwnForecast[4][1] = 0;
  pool.ContestRun = 3;
  os.AnswerFileChoice("MEMORY/MENU.T13");
  Win_1_MenuEvent(command::kLoad);
  EXPECT_EQ(os.file_choices().back().title, "Daten laden");
  EXPECT_EQ(pool.OwnForecast[4][1], 9);
  EXPECT_EQ(pool.ContestRun, 0);
  EXPECT_TRUE(vorlanz::testing::ShowsText(main_screen(), 64, 314, "TIPP-BILD"));
}

TEST_F(DataCommandsTest, SAndLSaveAndLoadInTheCalculationWindow) {
  PoolData& pool = Pool();
  pool.CardOccupied[2] = kTrue;
  pool.CardTips[2][7][5] = 2;
  os.Key('S').Then([] { Pool().CardTips[2][7][5] = 1; });
  os.Key('L');
  os.Key('X');
  os.AnswerFileChoice("MEMORY/WINDOW.T13").AnswerFileChoice("MEMORY/WINDOW.T13");
  CalculationWindow();
  EXPECT_TRUE(os.ScriptDone()) << "the window stays open after both";
  ASSERT_EQ(os.file_choices().size(), 2u);
  EXPECT_EQ(os.file_choices()[0].title, "Daten speichern");
  EXPECT_EQ(os.file_choices()[1].title, "Daten laden");
  EXPECT_EQ(pool.CardTips[2][7][5], 2);
}

}  // namespace
}  // namespace vorlanz
