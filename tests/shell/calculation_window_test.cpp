#include "shell/calculation_window.h"

#include <functional>
#include <string>
#include <vector>

#include "board/main_screen.h"
#include "calc/card_store.h"
#include "calc/screen_calc_fixture.h"
#include "shell/main_menu.h"
#include "support/rgb.h"
#include "support/temp_dir.h"
#include "support/text_probe.h"
#include "widgets/screen_text.h"

namespace vorlanz {
namespace {

using platform::vk::kF1;
using testing::ShowsText;

constexpr int kCancelSeriesEntry = 422;
constexpr int kCancelForecastEntry = 452;

// A tip set of recognisable rows: row r has outcome (r + m + shift) % 3 in
// match m; stored on `card` unless it is negative.
void FillTipSet(int shift, int card = -1) {
  PoolData& pool = Pool();
  for (int m = 1; m <= kMatchCount; ++m) {
    for (int r = 1; r <= kRowCount; ++r)
      pool.TipRows[m][r] = static_cast<Byte>((r + m + shift) % 3);
  }
  for (int r = 1; r <= kRowCount; ++r) {
    pool.RowMinDistance[r] = static_cast<Byte>(r % 5);
    pool.RowQuality[r] = static_cast<Byte>((r + shift) % 7);
  }
  if (card < 0) return;
  pool.ChosenCard = static_cast<std::int16_t>(card);
  Dialog().DialogKey = "O";
  StoreCard();
}

bool CardHoldsTipSet(int card) {
  const PoolData& pool = Pool();
  for (int r = 1; r <= kRowCount; ++r) {
    for (int m = 1; m <= kMatchCount; ++m) {
      if (pool.CardTips[card][m][r] != pool.TipRows[m][r]) return false;
    }
    if (pool.CardTips[card][0][r] != pool.RowQuality[r]) return false;
    if (pool.CardRowDistance[card][r] != pool.RowMinDistance[r]) return false;
  }
  return true;
}

class CalculationWindowTest : public testing::ScreenCalcTest {
 protected:
  void ExpectTitle(const char* title) {
    os.Then([this, title] { EXPECT_EQ(os.WindowTitle(os.CurrentWindow()), title); });
  }
};

TEST_F(CalculationWindowTest, LeavesOnXAndOnClicksThatChooseNoCommand) {
  os.KeyDown('X');  // a press alone does nothing
  os.Then([&] { EXPECT_FALSE(os.ScriptDone()); });
  os.KeyUp('X');
  CalculationWindow();
  os.Click(300, 200, platform::kRightButton);
  CalculationWindow();
  os.Click(300, 10);  // the top rows
  CalculationWindow();
  os.Click(300, 200).Click(5, 300);  // the menu opens and is clicked away
  CalculationWindow();
  os.Click(100, 410);  // under the picture, left
  CalculationWindow();
  EXPECT_TRUE(os.help_requests().empty());
  os.Click(600, 410);  // bottom right: the help first
  CalculationWindow();
  os.Key(kF1).Key('X');  // F1: the help, and the window stays
  CalculationWindow();
  EXPECT_TRUE(os.ScriptDone());
  EXPECT_EQ(os.help_requests(), (std::vector<std::string>{"Berechnung", "Berechnung"}));
}

TEST_F(CalculationWindowTest, TheMenuStaysWithinTheScreenAndChoosesACommand) {
  const platform::Surface& s = main_screen();
  os.Click(20, 200);
  os.Then([&] { EXPECT_EQ(s.Pixel(0, 110), rgb::White); });  // the box's left edge
  os.KeyDown(platform::vk::kRight);
  CalculationWindow();
  os.Click(780, 200);
  os.Then([&] {
    EXPECT_EQ(s.Pixel(550, 110), rgb::White);
    EXPECT_EQ(s.Pixel(549, 110), rgb::LightGrey);
  });
  os.KeyDown(platform::vk::kRight);
  CalculationWindow();

  GiveForecast(5, 4, 3);
  Pool().SystemQuality = 2;
  Pool().WorkingQuality = 1;
  os.Click(300, 200).KeyDown('B');
  os.Then([&] { EXPECT_TRUE(QuotaUsedUp()); });
  os.Key('X');
  CalculationWindow();
  EXPECT_TRUE(os.ScriptDone());
  EXPECT_EQ(Pool().RowQuality[1], 2) << "recalculated from the System-Güte";
}

TEST_F(CalculationWindowTest, BAndNRecalculateHAndCChooseACard) {
  for (const char key : {'B', 'N'}) {
    ResetPool();
    GiveForecast(5, 4, 3);
    Pool().SystemQuality = 3;
    os.Key(key);
    os.Then([&] { EXPECT_EQ(Pool().RowQuality[1], 3) << key; });
    os.Key('X');
    CalculationWindow();
  }
  for (const char key : {'H', 'C'}) {
    os.Key(key);
    ExpectTitle("Bitte einen Tipp auswählen:");
    os.Key('X').Key('X');
    CalculationWindow();
  }
  EXPECT_TRUE(os.ScriptDone());
}

TEST_F(CalculationWindowTest, TheReleaseOfAKeyThatAnsweredADialogIsNoCommand) {
  os.Key('M');
  os.KeyDown('X');  // cancels the card choice
  os.KeyUp('X');    // reaches the window after the choice's input was discarded
  os.Then([&] { EXPECT_FALSE(os.ScriptDone()) << "the window is still open"; });
  os.Key('X');
  CalculationWindow();
  EXPECT_TRUE(os.ScriptDone());
  EXPECT_FALSE(IsSet(Pool().CardOccupied[0]));
}

// A hot key picks from the pop-up menu on its press; its release is no
// input of the contest that the pick started.
TEST_F(CalculationWindowTest, TheReleaseOfAMenuHotKeyIsNoInputOfItsCommand) {
  GiveForecast(5, 4, 3);
  os.Click(300, 200).KeyDown('W');
  os.KeyUp('W');
  os.Then([&] { EXPECT_EQ(Pool().ContestRun, 1) << "still the wait after the first run"; });
  os.Key('X').Key('X');
  CalculationWindow();
  EXPECT_TRUE(os.ScriptDone());
  EXPECT_EQ(Pool().ContestRun, 1);
}

TEST_F(CalculationWindowTest, MStoresOnTheChosenCard) {
  PoolData& pool = Pool();
  pool.SystemQuality = 5;
  pool.WorkingQuality = 3;  // lowered during the calculation: the card keeps 5
  FillTipSet(1, 3);
  FillTipSet(0);  // stored again over the old set
  os.Key('M');
  ExpectTitle("In welche Ablage abspeichern?");
  os.Key('3').KeyDown('O');
  os.Then([&] {
    // Back in the window: the tip set is drawn again.
    EXPECT_TRUE(ShowsText(main_screen(), 169, 66, Cells(pool.TipRows[1][1], 1)));
  });
  os.Key('X');
  CalculationWindow();
  EXPECT_TRUE(os.ScriptDone());
  EXPECT_TRUE(IsSet(pool.CardOccupied[3]));
  EXPECT_TRUE(CardHoldsTipSet(3));
  EXPECT_EQ(pool.CardQuality[3], 5);
  EXPECT_EQ(pool.LoadedCard, 3);

  // A cancelled choice stores nothing.
  os.Key('M').Key('5').Key('X').Key('X');
  CalculationWindow();
  EXPECT_FALSE(IsSet(pool.CardOccupied[5]));
}

TEST_F(CalculationWindowTest, HOpensAStoredCardAndAFreeOneChangesNothing) {
  PoolData& pool = Pool();
  FillTipSet(2, 6);
  FillTipSet(0);
  pool.ChosenCard = 0;
  os.Key('H').Key('4').KeyDown('O');  // free
  os.Then([&] { EXPECT_EQ(pool.TipRows[1][1], 2); });
  os.Key('H').Key('6').KeyDown('O');
  os.Key('X');
  CalculationWindow();
  EXPECT_TRUE(os.ScriptDone());
  EXPECT_TRUE(CardHoldsTipSet(6));
  EXPECT_EQ(pool.LoadedCard, 6);
  EXPECT_TRUE(ShowsText(main_screen(), 64, 380, "TippNr: 6"));
}

TEST_F(CalculationWindowTest, MenuShowOpensAStoredCardAndACancelEndsTheCommand) {
  FillTipSet(1, 2);
  FillTipSet(0);
  ExpectTitle("Bitte einen Tipp auswählen:");
  os.KeyDown('O');
  os.Then([&] { EXPECT_TRUE(ShowsText(main_screen(), 64, 380, "TippNr: 2")); });
  os.Key('X');
  Win_1_MenuEvent(command::kShow);
  EXPECT_TRUE(os.ScriptDone());
  EXPECT_TRUE(CardHoldsTipSet(2));

  // Cancelled while card 2, chosen before, is occupied: no calculation
  // window, the tip set and the main screen as they were.
  FillTipSet(0);
  os.KeyDown('X');
  Win_1_MenuEvent(command::kShow);
  EXPECT_TRUE(os.ScriptDone());
  EXPECT_TRUE(os.menu_enabled());
  EXPECT_FALSE(CardHoldsTipSet(2));
  EXPECT_TRUE(ShowsText(main_screen(), 64, 314, "TIPP-BILD"));
}

TEST_F(CalculationWindowTest, GOpensTheGameSeries) {
  Pool().SystemQuality = 6;
  Pool().WorkingQuality = 2;
  os.Key('G');
  os.Then([&] {
    EXPECT_EQ(os.WindowTitle(os.CurrentWindow()), "Bitte Reihe eingeben");
    EXPECT_EQ(Dialog().CurrentTab, 2);
  });
  os.Command(kCancelSeriesEntry);
  os.Key('X');
  CalculationWindow();
  EXPECT_TRUE(os.ScriptDone());
  EXPECT_EQ(Pool().WorkingQuality, 6);
}

// Every dialog the window's commands open, ended as a user may end it. After
// each, the help corner and F1 open the window's own page, whatever page the
// dialog had.
TEST_F(CalculationWindowTest, ItsHelpIsItsOwnAfterEveryNestedDialog) {
  testing::TempDir dir;  // the data commands' file choices look into MEMORY
  constexpr int kPrintDialogHelp = 400;
  constexpr int kPrintDialogCancel = 2;
  struct Nested {
    const char* what;
    std::function<void()> run;
    std::vector<std::string> own_pages;  // what the nested dialogs' F1 opened
  };
  const Nested nested[] = {
      {"merken, cancelled", [&] { os.Key('M').Key('X'); }, {}},
      {"merken, stored", [&] { os.Key('M').Key('4').KeyDown('O'); }, {}},
      {"merken, the card choice's help",
       [&] { os.Key('M').Key(kF1).Key('X'); },
       {"Scheine auswählen"}},
      {"auswählen, cancelled", [&] { os.Key('H').Key('X'); }, {}},
      {"vergleichen, cancelled", [&] { os.Key('V').Key('X'); }, {}},
      {"drucken, card choice cancelled", [&] { os.Key('D').Key('X'); }, {}},
      {"drucken, the print dialog's help",
       [&] { os.Key('D').Key('O').Command(kPrintDialogHelp).Command(kPrintDialogCancel); },
       {"Scheindruck"}},
      {"Game, cancelled", [&] { os.Key('G').Command(kCancelSeriesEntry); }, {}},
      {"Game, the entry's help",
       [&] { os.Key('G').Key(kF1).Command(kCancelSeriesEntry); },
       {"GAME-Reihe"}},
      {"Zufall without a forecast: both entries",
       [&] {
         os.Key('Z').Key(kF1).Command(kCancelForecastEntry).Key(kF1).Command(kCancelSeriesEntry);
       },
       {"amtliche Vorlanz", "GAME-Reihe"}},
      {"sichern, cancelled", [&] { os.Key('S').AnswerFileChoice(""); }, {}},
      {"laden, cancelled", [&] { os.Key('L').AnswerFileChoice(""); }, {}},
  };
  for (const bool corner : {true, false}) {
    for (const Nested& dialog : nested) {
      ResetPool();
      Pool().CardOccupied[0] = kTrue;
      const auto before = static_cast<std::ptrdiff_t>(os.help_requests().size());
      dialog.run();
      if (corner) {
        os.Click(600, 410);  // "F1=HILFE": the help, then the window ends
      } else {
        os.Key(kF1).Key('X');
      }
      CalculationWindow();
      EXPECT_TRUE(os.ScriptDone()) << dialog.what;
      std::vector<std::string> pages = dialog.own_pages;
      pages.push_back("Berechnung");
      EXPECT_EQ(
          std::vector<std::string>(os.help_requests().begin() + before, os.help_requests().end()),
          pages)
          << dialog.what << (corner ? ", help corner" : ", F1");
    }
  }
}

// After a calculation, storing it on a card (which redraws the picture with
// the figures at slightly other places) and a second calculation, the figure
// lines show exactly what the second calculation draws on a fresh screen.
TEST_F(CalculationWindowTest, ARecalculationLeavesNoStaleFigures) {
  const auto calculate = [&](bool store_between) {
    ResetPool();
    GiveForecast(5, 4, 3);
    for (const int m : {2, 5, 9, 12}) Pool().NormSeries[m] = kAwayWin;
    for (int m = 1; m <= kMatchCount; ++m) Pool().GameSeries[m] = Pool().NormSeries[m];
    Pool().GameReady = kTrue;
    Pool().SystemQuality = 4;
    ProcessRandom().Seed(77);
    DrawMainScreen();
    CalculateTips();
    if (store_between) {
      os.Key('M').Key('1').KeyDown('O').Key('B').Key('X');
      CalculationWindow();
    } else {
      DrawMainScreen();
      CalculateTips();
    }
    return main_screen().SaveArea(145, 280, 642, 393);
  };
  const platform::SavedArea fresh = calculate(false);
  EXPECT_TRUE(SameArea(calculate(true), fresh));
  EXPECT_TRUE(os.ScriptDone());
}

}  // namespace
}  // namespace vorlanz

namespace vorlanz {
namespace {

// "drucken" from the menu asks for the card twice; D in the window once,
// with the print prompt whatever prompt was left before.
TEST_F(CalculationWindowTest, PrintingAsksForTheCardUnderItsPrompt) {
  Pool().CardOccupied[0] = kTrue;
  const auto expect_prompt = [this] {
    os.Then([this] {
      EXPECT_EQ(os.WindowTitle(os.CurrentWindow()), "Welcher Tipp soll ausgedruckt werden?");
    });
  };
  expect_prompt();
  os.Key('O');
  expect_prompt();
  os.Key('O').Command(2);  // "&Abbruch" in the print dialog
  Win_1_MenuEvent(command::kPrint);
  EXPECT_EQ(os.dialogs().size(), 1u);

  Pool().CardPrompt = "Mit welchem Tipp vergleichen?";
  os.Key('D');
  expect_prompt();
  os.Key('O').Command(2).Key('X');
  CalculationWindow();
  EXPECT_EQ(os.dialogs().size(), 2u);
  EXPECT_TRUE(os.ScriptDone());
}

// An empty card ends "drucken" after the first choice.
TEST_F(CalculationWindowTest, PrintingAFreeCardDoesNothing) {
  os.Key('O');
  Win_1_MenuEvent(command::kPrint);
  EXPECT_TRUE(os.dialogs().empty());
}

}  // namespace
}  // namespace vorlanz
