#include "shell/startup.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "model/pool_data.h"
#include "output/parameter_file.h"
#include "platform/files.h"
#include "platform/headless.h"
#include "shell/main_menu.h"
#include "shell/menu_commands.h"
#include "support/file_faults.h"
#include "support/screen_test.h"
#include "support/temp_dir.h"
#include "support/text_probe.h"

namespace vorlanz {
namespace {

using platform::vk::kEscape;

std::vector<std::uint8_t> ParameterBytes() {
  std::ifstream in(kParameterFileName, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class StartupTest : public ScreenTest {
 protected:
  vorlanz::testing::TempDir dir_;
};

TEST_F(StartupTest, FirstStartWithoutParameterFileTakesTheDefaults) {
  Pool().CardOccupied[3] = kTrue;
  StartProgram();
  EXPECT_FALSE(IsSet(Pool().CardOccupied[3])) << "every card starts free";
  EXPECT_EQ(Pool().PrintOffsetA, 126);
  EXPECT_EQ(Pool().PrintOffsetB, 126);
  EXPECT_EQ(Pool().Bundesland, 7);
  EXPECT_TRUE(os.IsChecked(17));
  EXPECT_FALSE(os.IsChecked(10));
  EXPECT_FALSE(std::filesystem::exists(kParameterFileName)) << "not written until a save";
  EXPECT_EQ(os.menu_bar().size(), 5u);
}

// The federal state picked is ticked, written to the parameter file (an
// alert tells when it cannot be) and ticked again at the next start.
TEST_F(StartupTest, TheStateIsKeptInTheParameterFile) {
  StartProgram();
  Win_1_MenuEvent(15);  // Hessen
  EXPECT_EQ(Pool().Bundesland, 5);
  for (int id = 10; id <= 21; ++id) EXPECT_EQ(os.IsChecked(id), id == 15) << id;
  EXPECT_EQ(ParameterBytes(), (std::vector<std::uint8_t>{126, 126, 5, 0}));

  Win_1_MenuEvent(11);  // Bayern
  std::filesystem::permissions(kParameterFileName, std::filesystem::perms(0444));
  os.KeyDown('O');  // answers the alert box
  Win_1_MenuEvent(19);
  EXPECT_TRUE(os.ScriptDone()) << "the failure must be told in an alert box";
  EXPECT_EQ(ParameterBytes(), (std::vector<std::uint8_t>{126, 126, 1, 0}));

  std::filesystem::permissions(kParameterFileName, std::filesystem::perms(0644));
  ASSERT_TRUE(platform::WriteFileAtomic(kParameterFileName, {100, 150, 5, 0}));
  StartProgram();
  EXPECT_EQ(Pool().PrintOffsetA, 100);
  EXPECT_EQ(Pool().PrintOffsetB, 150);
  EXPECT_EQ(Pool().Bundesland, 5);
  EXPECT_TRUE(os.IsChecked(15));
  EXPECT_FALSE(os.IsChecked(17));
}

// A parameter file of gigabytes, or a FIFO under its name: the start reads
// no more than the file's four bytes and never waits.
TEST_F(StartupTest, AHugeOrEndlessParameterFileDoesNotHoldUpTheStart) {
  ASSERT_TRUE(platform::WriteFileAtomic(kParameterFileName, {100, 150, 5, 0}));
  std::filesystem::resize_file(kParameterFileName, 5ull << 30);  // sparse: costs no disk
  const long peak = testing::PeakMemory();
  auto start = std::chrono::steady_clock::now();
  StartProgram();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  EXPECT_LT(testing::PeakMemory() - peak, 16l << 20);
  EXPECT_EQ(Pool().PrintOffsetA, 100);
  EXPECT_EQ(Pool().PrintOffsetB, 150);
  EXPECT_EQ(Pool().Bundesland, 5);

  std::filesystem::remove(kParameterFileName);
  const testing::Fifo fifo(kParameterFileName);
  start = std::chrono::steady_clock::now();
  StartProgram();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  EXPECT_EQ(Pool().PrintOffsetA, 126);
  EXPECT_EQ(Pool().Bundesland, 7);
}

TEST_F(StartupTest, ClearingCardsAsksFirst) {
  StartProgram();
  for (const auto answer : {'N', static_cast<char>(kEscape)}) {
    Pool().CardOccupied.fill(kTrue);
    os.Key(answer);
    Win_1_MenuEvent(command::kClearCards);
    for (Flag occupied : Pool().CardOccupied) EXPECT_TRUE(IsSet(occupied));
  }
  os.Click(400, 200, platform::kRightButton);
  Win_1_MenuEvent(command::kClearCards);
  EXPECT_TRUE(IsSet(Pool().CardOccupied[0]));

  Pool().CardTips[4][1][1] = 2;
  os.Key('J');
  Win_1_MenuEvent(command::kClearCards);
  for (Flag occupied : Pool().CardOccupied) EXPECT_FALSE(IsSet(occupied));
  EXPECT_EQ(Pool().CardTips[4][1][1], 2) << "the card contents stay";
}

TEST_F(StartupTest, EndAsksAndQuitsOnlyOnJa) {
  StartProgram();
  os.Key('N');
  Win_1_MenuEvent(command::kQuit);
  EXPECT_FALSE(os.quit_called());
  os.Key('J');
  EXPECT_THROW(Win_1_MenuEvent(command::kQuit), platform::ProgramEnded);
}

TEST_F(StartupTest, EveryCommandDiscardsInputAndRedrawsTheMainScreen) {
  StartProgram();
  auto& screen = os.WindowSurface(platform::kMainWindow);
  screen.FillRect(0, 0, 787, 434, {255, 0, 0});
  Win_1_MenuEvent(12345);
  EXPECT_TRUE(testing::ShowsText(screen, 64, 314, "TIPP-BILD"));
  EXPECT_TRUE(os.menu_enabled());
}

TEST_F(StartupTest, MainLoopRunsMenuPicksAndHelpAndEndsOnClose) {
  StartProgram();
  bool disabled_inside = false;
  os.Command(15).Key(platform::vk::kF1).Command(command::kGuide);
  os.Then([&] { disabled_inside = !os.menu_enabled(); });
  os.CloseRequest(platform::kMainWindow);
  EXPECT_THROW(MainLoop(), platform::ProgramEnded);
  EXPECT_EQ(Pool().Bundesland, 5);
  EXPECT_EQ(os.help_requests(), (std::vector<std::string>{"Menupunkte", "Menupunkte"}));
  EXPECT_FALSE(disabled_inside) << "idle between commands";
  EXPECT_TRUE(os.quit_called());
}

// A command picked with the keyboard behaves as one picked with the mouse:
// the release of the mnemonic key, which comes after the pick, is no input
// of the command's waits; nor is the release of a key pressed before a pick.
TEST_F(StartupTest, KeyboardPicksBehaveAsMousePicks) {
  StartProgram();
  PoolData& pool = Pool();
  for (int m = 1; m <= kMatchCount; ++m) {
    pool.OwnForecast[m] = {0, 5, 4, 3};
    pool.NormSeries[m] = kHomeWin;
    for (int r = 1; r <= kRowCount; ++r) pool.CardTips[0][m][r] = static_cast<Byte>((r + m) % 3);
  }
  pool.OwnForecastReady = kTrue;
  pool.NormReady = kTrue;
  pool.CardOccupied[0] = kTrue;
  enum Pick { kMouse, kKeyboard, kKeyHeldOverTheMouse };
  std::uint64_t chances_shown[3] = {};
  for (const Pick how : {kMouse, kKeyboard, kKeyHeldOverTheMouse}) {
    SCOPED_TRACE(how);
    const auto pick = [&](int id, char key) {
      if (how == kKeyboard) {
        os.MenuPickByKey(id, key);
      } else if (how == kMouse) {
        os.Command(id);
      } else {
        os.KeyDown(key).Command(id).KeyUp(key);
      }
    };
    pick(command::kWinChances, 'G');
    os.Then([&] { chances_shown[how] = Checksum(main_screen()); });
    os.Key('X');
    pick(command::kContest, 'W');
    os.Then([&] { EXPECT_EQ(pool.ContestRun, 1) << "one run, then the wait"; });
    os.Key('X');
    ResetContestStandings(pool);
    EXPECT_THROW(MainLoop(), platform::ScriptExhausted);
    EXPECT_EQ(pool.ContestRun, 1);
  }
  EXPECT_EQ(chances_shown[kKeyboard], chances_shown[kMouse]);
  EXPECT_EQ(chances_shown[kKeyHeldOverTheMouse], chances_shown[kMouse]);
}

}  // namespace
}  // namespace vorlanz
