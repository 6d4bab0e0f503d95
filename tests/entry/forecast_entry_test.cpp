#include "entry/forecast_entry.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "entry/entry_test_support.h"
#include "entry/logic/entry_fields.h"
#include "model/pool_data.h"
#include "support/screen_test.h"
#include "support/text_probe.h"
#include "widgets/dialog_state.h"

namespace vorlanz {
namespace {

constexpr const char* kTitle = "Bitte Vorlanz eingeben";
constexpr int kOk = 450;
constexpr int kHiddenCancel = 452;
constexpr int kOwnTab = 454;
constexpr int kOfficialTab = 456;

class ForecastEntryTest : public ScreenTest {
 protected:
  platform::WindowId Window() const { return FindWindow(os, kTitle); }
  std::string Field(int match, int column) const {
    return os.FieldText(WeightFieldId(match, column));
  }
  void Type(int match, int column, std::string text) {
    os.TypeIntoField(WeightFieldId(match, column), std::move(text));
  }
  std::uint64_t WindowChecksum() { return Checksum(os.WindowSurface(Window())); }
};

TEST_F(ForecastEntryTest, OpensOverTheMainWindowWithThirtyNineFields) {
  Pool().OwnForecast[1] = {0, 7, 0, 12};
  os.Then([&] {
      const platform::WindowId window = Window();
      ASSERT_NE(window, 0);
      const auto at = os.WindowGeometry(window);
      EXPECT_EQ((std::array{at.x, at.y, at.width, at.height}), (std::array{153, 41, 194, 351}));
      for (int id = 401; id <= 439; ++id) EXPECT_TRUE(os.FieldExists(id)) << id;
      EXPECT_FALSE(os.FieldExists(440));
      EXPECT_EQ(os.focused_field(), 401);
      EXPECT_EQ(Field(1, 1), " 7");
      EXPECT_EQ(Field(1, 2), "") << "a weight of 0 shows as an empty field";
      EXPECT_EQ(Field(1, 3), "12");
      const platform::Surface& panel = os.WindowSurface(PanelOf(window));
      EXPECT_TRUE(testing::ShowsText(panel, 5, 2, " 1.Spiel:"));
      EXPECT_TRUE(testing::ShowsText(panel, 5, 2 + 18 * 12, "13.Spiel:"));
    }).Key(platform::vk::kEscape);
  EnterForecast(1);
  EXPECT_EQ(Window(), 0) << "the window is closed";
  EXPECT_FALSE(os.FieldExists(401));
}

TEST_F(ForecastEntryTest, OkOnTheOwnTabStoresTheTypedWeights) {
  Type(1, 1, "7");
  Type(1, 2, "-3");
  Type(1, 3, "");
  Type(13, 3, "300");
  Type(2, 2, "abc");
  os.Command(kOk);
  EnterForecast(1);
  const PoolData& pool = Pool();
  EXPECT_EQ(pool.OwnForecast[1][1], 7);
  EXPECT_EQ(pool.OwnForecast[1][2], 3) << "minus three is stored as 3";
  EXPECT_EQ(pool.OwnForecast[1][3], 0) << "an empty field is read as 0";
  EXPECT_EQ(pool.OwnForecast[13][3], 255);
  EXPECT_EQ(pool.OwnForecast[2][2], 0);
  EXPECT_EQ(pool.OwnForecastReady, kTrue);
  EXPECT_EQ(pool.OfficialForecastReady, kFalse);
  EXPECT_EQ(Dialog().DialogKey, "O");
  EXPECT_TRUE(Dialog().LeaveFlag);
}

TEST_F(ForecastEntryTest, OfficialThenOwnStoresBothAndTheOwnTabDecidesTheFlag) {
  Pool().OfficialForecastReady = kTrue;
  Type(1, 1, "5");
  os.Command(kOwnTab);
  os.Then([&] { EXPECT_EQ(Field(1, 1), "") << "the own forecast is still empty"; });
  Type(1, 1, "9");
  os.Command(kOk);
  EnterForecast(2);
  EXPECT_EQ(Pool().OfficialForecast[1][1], 5);
  EXPECT_EQ(Pool().OwnForecast[1][1], 9);
  EXPECT_EQ(Pool().OwnForecastReady, kTrue);
  EXPECT_EQ(Pool().OfficialForecastReady, kFalse);
}

TEST_F(ForecastEntryTest, SwitchingTabsKeepsWhatWasTypedUnderEach) {
  Pool().OfficialForecast[2][3] = 8;
  Type(1, 1, "4");
  Type(2, 1, "-3");
  os.Command(kOfficialTab);
  os.Then([&] {
    EXPECT_EQ(Dialog().CurrentTab, 2);
    EXPECT_EQ(Field(1, 1), "");
    EXPECT_EQ(Field(2, 3), " 8");
  });
  Type(1, 1, "6");
  os.Click(30, 20);  // the tab "Eigene"
  os.Then([&] {
    EXPECT_EQ(Dialog().CurrentTab, 1);
    EXPECT_EQ(Field(1, 1), " 4");
    EXPECT_EQ(Field(2, 1), " 3") << "the minus sign is gone once the tab is left";
    EXPECT_EQ(Field(2, 3), "");
  });
  os.Click(100, 20);  // the tab "Amtliche"
  os.Then([&] { EXPECT_EQ(Field(1, 1), " 6"); });
  os.Command(kOk);
  EnterForecast(1);
  EXPECT_EQ(Pool().OwnForecast[1][1], 4);
  EXPECT_EQ(Pool().OwnForecast[2][1], 3);
  EXPECT_EQ(Pool().OfficialForecast[1][1], 6);
  EXPECT_EQ(Pool().OfficialForecast[2][3], 8);
  EXPECT_EQ(Pool().OfficialForecastReady, kTrue);
}

// Every way of cancelling leaves the forecasts and the flags as they were.
class ForecastCancelTest : public ForecastEntryTest,
                           public ::testing::WithParamInterface<const char*> {};

TEST_P(ForecastCancelTest, DiscardsEverything) {
  Pool().OwnForecast[1][1] = 2;
  Type(1, 1, "9");
  os.Command(kOfficialTab);
  Type(1, 1, "5");
  const std::string way = GetParam();
  if (way == "escape") os.KeyDown(platform::vk::kEscape);
  if (way == "close box") os.Then([&] { os.CloseRequest(Window()); });
  if (way == "hidden command") os.Command(kHiddenCancel);
  if (way == "button") os.MouseDown(120, 290);
  EnterForecast(1);
  EXPECT_EQ(Pool().OwnForecast[1][1], 2);
  EXPECT_EQ(Pool().OfficialForecast[1][1], 0);
  EXPECT_EQ(Pool().OwnForecastReady, kFalse);
  EXPECT_EQ(Pool().OfficialForecastReady, kFalse);
  EXPECT_EQ(Dialog().DialogKey, "X");
  EXPECT_EQ(Window(), 0);
  EXPECT_TRUE(os.ScriptDone());
}

INSTANTIATE_TEST_SUITE_P(Ways, ForecastCancelTest,
                         ::testing::Values("escape", "close box", "hidden command", "button"));

TEST_F(ForecastEntryTest, APressHeldFromBeforeIsNoClickOnOk) {
  os.MouseDown(50, 290);
  platform::Current().WaitEvent();  // the press that opened the dialog, still held
  os.MouseMove(50, 290).MouseUp().KeyDown(platform::vk::kEscape);
  EnterForecast(1);
  EXPECT_TRUE(os.ScriptDone());
  EXPECT_FALSE(IsSet(Pool().OwnForecastReady));
}

TEST_F(ForecastEntryTest, OnlyAClickOnOkConfirms) {
  Type(3, 3, "11");
  os.Click(94, 290);  // between the two buttons
  os.Click(50, 305);  // below them
  os.Then([&] { EXPECT_NE(Window(), 0); });
  os.Click(50, 290);
  EnterForecast(1);
  EXPECT_EQ(Pool().OwnForecast[3][3], 11);
  EXPECT_EQ(Pool().OwnForecastReady, kTrue);
}

TEST_F(ForecastEntryTest, AltAShowsTheOfficialTabAndAltEChangesNothingOnTheOwnTab) {
  std::uint64_t before = 0;
  os.Then([&] { before = WindowChecksum(); });
  os.Command(kOwnTab);
  os.Then([&] {
    EXPECT_EQ(Dialog().CurrentTab, 1);
    EXPECT_EQ(WindowChecksum(), before) << "nothing is redrawn";
  });
  os.Command(kOfficialTab);
  os.Then([&] {
    EXPECT_NE(Window(), 0) << "Alt+A does not cancel here";
    EXPECT_EQ(Dialog().CurrentTab, 2);
    EXPECT_NE(WindowChecksum(), before);
  });
  os.Command(kOk);
  EnterForecast(1);
  EXPECT_EQ(Pool().OfficialForecastReady, kTrue);
}

TEST_F(ForecastEntryTest, F1OpensTheHelpOfTheShownTabAndKeepsTheDialogOpen) {
  os.Key(platform::vk::kF1);
  os.Command(kOfficialTab);
  os.Key(platform::vk::kF1);
  os.Then([&] { EXPECT_NE(Window(), 0); });
  os.Key(platform::vk::kEscape);
  EnterForecast(1);
  EXPECT_EQ(os.help_requests(), (std::vector<std::string>{"eigene Vorlanz", "amtliche Vorlanz"}));
}

TEST_F(ForecastEntryTest, OkDrawsTheForecastColumnsOnTheMainScreen) {
  Type(1, 1, "7");
  Type(1, 3, "5");
  Type(13, 2, "12");
  os.Command(kOk);
  EnterForecast(1);
  const platform::Surface& screen = main_screen();
  for (const auto& [x, y, text] : {std::tuple{24, 64, " 1."},
                                   {56, 64, "  7"},
                                   {80, 64, "   "},
                                   {104, 64, "  5"},
                                   {24, 256, "13."},
                                   {80, 256, " 12"}}) {
    EXPECT_TRUE(testing::ShowsText(screen, x, y, text)) << text;
  }
  // No FGES without a NORM series.
  EXPECT_TRUE(testing::AreaIs(screen, 64, 290, 160, 305, {192, 192, 192}));
  EXPECT_EQ(os.CurrentWindow(), platform::kMainWindow);
}

}  // namespace
}  // namespace vorlanz
