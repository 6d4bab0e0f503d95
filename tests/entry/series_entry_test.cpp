#include "entry/series_entry.h"

#include <gtest/gtest.h>

#include <array>

#include "entry/entry_test_support.h"
#include "entry/logic/entry_fields.h"
#include "model/pool_data.h"
#include "support/screen_test.h"
#include "support/text_probe.h"
#include "widgets/dialog_state.h"
#include "widgets/digit_field.h"

namespace vorlanz {
namespace {

constexpr const char* kTitle = "Bitte Reihe eingeben";
constexpr int kOk = 420;
constexpr int kCancel = 422;
constexpr int kNormTabCommand = 424;
constexpr int kGameTabCommand = 426;

class SeriesEntryTest : public ScreenTest {
 protected:
  platform::WindowId Window() const { return FindWindow(os, kTitle); }
  std::string Field(int match) const { return os.FieldText(SeriesFieldId(match)); }
  void Type(int match, std::string text) {
    os.TypeIntoField(SeriesFieldId(match), std::move(text));
  }
  void TypeRow(const char* codes) {
    for (int m = 1; m <= kMatchCount; ++m) Type(m, std::string(1, codes[m - 1]));
  }
  static void SetReady(Series& series, Flag& ready, Byte code) {
    series.fill(code);
    ready = kTrue;
  }
};

TEST_F(SeriesEntryTest, OpensWithThirteenFieldsAndTheirLabels) {
  SetReady(Pool().NormSeries, Pool().NormReady, 2);
  os.Then([&] {
      const platform::WindowId window = Window();
      ASSERT_NE(window, 0);
      const auto at = os.WindowGeometry(window);
      EXPECT_EQ((std::array{at.x, at.y, at.width, at.height}), (std::array{150, 41, 194, 351}));
      for (int id = 401; id <= 413; ++id) EXPECT_TRUE(os.FieldExists(id)) << id;
      EXPECT_FALSE(os.FieldExists(414));
      EXPECT_EQ(Field(1), "2");
      const platform::Surface& panel = os.WindowSurface(PanelOf(window));
      EXPECT_TRUE(testing::ShowsText(panel, 20, 2, " 1. Spiel:"));
      EXPECT_TRUE(testing::ShowsText(panel, 20, 2 + 18 * 12, "13. Spiel:"));
    }).Key(platform::vk::kEscape);
  EnterSeries(1);
  EXPECT_EQ(Window(), 0);
}

TEST_F(SeriesEntryTest, ASeriesNotReadyShowsEmptyFieldsAndOkKeepsItNotReady) {
  Pool().NormSeries.fill(1);  // older values, not confirmed
  os.Then([&] {
    for (int m = 1; m <= kMatchCount; ++m) EXPECT_EQ(Field(m), "") << m;
  });
  os.Command(kOk);
  EnterSeries(1);
  EXPECT_EQ(Pool().NormReady, kFalse);
  EXPECT_EQ(Pool().GameReady, kFalse);
  for (int m = 1; m <= kMatchCount; ++m) {
    EXPECT_EQ(Pool().NormSeries[m], kNoEntry) << "an unfinished series is marked 255";
    EXPECT_EQ(Pool().GameSeries[m], kNoEntry);
  }
}

TEST_F(SeriesEntryTest, ACompleteNormSeriesIsReadyAndTheUnvisitedGameStaysNot) {
  TypeRow("1021021021021");
  os.Command(kOk);
  EnterSeries(1);
  EXPECT_EQ(Pool().NormReady, kTrue);
  EXPECT_EQ(Pool().GameReady, kFalse);
  for (int m = 1; m <= kMatchCount; ++m) {
    EXPECT_EQ(Pool().NormSeries[m], "1021021021021"[m - 1] - '0') << m;
    EXPECT_EQ(Pool().NormSeriesEdit[m], Pool().NormSeries[m]) << m;
  }
}

TEST_F(SeriesEntryTest, EmptyOrInvalidFieldsKeepTheOldEntry) {
  SetReady(Pool().NormSeries, Pool().NormReady, 2);
  const char* typed[] = {"", "7", "x", "-1", "0"};
  for (int m = 1; m <= 5; ++m) Type(m, typed[m - 1]);
  os.Command(kOk);
  EnterSeries(1);
  for (int m = 1; m <= 4; ++m) EXPECT_EQ(Pool().NormSeries[m], 2) << typed[m - 1];
  EXPECT_EQ(Pool().NormSeries[5], 0);
  EXPECT_EQ(Pool().NormReady, kTrue);
}

TEST_F(SeriesEntryTest, SwitchingTabsKeepsWhatWasTypedUnderEach) {
  TypeRow("1111111111111");
  os.Command(kGameTabCommand);
  os.Then([&] {
    EXPECT_EQ(Dialog().CurrentTab, 2);
    EXPECT_EQ(Field(1), "");
  });
  TypeRow("2222222222220");
  os.Command(kNormTabCommand);
  os.Then([&] { EXPECT_EQ(Field(1), "1"); });
  os.Click(80, 20);  // the tab "Game"
  os.Then([&] { EXPECT_EQ(Field(13), "0"); });
  os.Command(kOk);
  EnterSeries(1);
  EXPECT_EQ(Pool().NormReady, kTrue);
  EXPECT_EQ(Pool().GameReady, kTrue);
  EXPECT_EQ(Pool().GameSeries[1], 2);
  EXPECT_EQ(Pool().GameSeries[13], 0);
}

TEST_F(SeriesEntryTest, AnOThatEndedTheDigitFieldBeforeIsNoOkHere) {
  Dialog().FieldText = "4";
  int col = 21;
  int row = 2;
  os.Key('O');
  DigitField(col, row);
  TypeRow("1111111111111");
  os.Click(80, 20);  // the tab "Game": runs the dialog input step
  os.Command(kCancel);
  EnterSeries(1);
  EXPECT_FALSE(IsSet(Pool().NormReady));
  EXPECT_NE(Pool().NormSeries[1], 1);
}

class SeriesCancelTest : public SeriesEntryTest,
                         public ::testing::WithParamInterface<const char*> {};

TEST_P(SeriesCancelTest, DiscardsEverything) {
  SetReady(Pool().NormSeries, Pool().NormReady, 1);
  TypeRow("0000000000000");
  os.Command(kGameTabCommand);
  TypeRow("2222222222222");
  const std::string way = GetParam();
  if (way == "escape") os.KeyDown(platform::vk::kEscape);
  if (way == "close box") os.Then([&] { os.CloseRequest(Window()); });
  if (way == "alt+a") os.Command(kCancel);
  if (way == "button") os.Click(120, 290);
  EnterSeries(1);
  EXPECT_EQ(Pool().NormSeries[5], 1);
  EXPECT_EQ(Pool().NormReady, kTrue);
  EXPECT_EQ(Pool().GameSeries[5], 0);
  EXPECT_EQ(Pool().GameReady, kFalse);
  EXPECT_FALSE(Dialog().OkFlag);
  EXPECT_EQ(Window(), 0);
  EXPECT_TRUE(os.ScriptDone()) << "pending input is flushed";
  // The edit copies keep what the tab switch stored.
  EXPECT_EQ(Pool().NormSeriesEdit[5], 0);
  EXPECT_EQ(Pool().GameSeriesEdit[5], kNoEntry);
}

INSTANTIATE_TEST_SUITE_P(Ways, SeriesCancelTest,
                         ::testing::Values("escape", "close box", "alt+a", "button"));

TEST_F(SeriesEntryTest, ThirteenKeypadDigitsFillTheFieldsOneAfterTheOther) {
  // The headless fields do not take typed keys; the test types each digit
  // into the focused field, as the platform's edit field does, and presses
  // the key that the loop sees.
  const char* codes = "1021021021021";
  for (int m = 0; m < kMatchCount; ++m) {
    os.Then([&, m] { os.SetFieldText(os.focused_field(), std::string(1, codes[m])); });
    os.Key(platform::vk::kNumpad0 + (codes[m] - '0'));
  }
  os.Command(kOk);
  EnterSeries(1);
  EXPECT_EQ(Pool().NormReady, kTrue);
  for (int m = 1; m <= kMatchCount; ++m) EXPECT_EQ(Pool().NormSeries[m], codes[m - 1] - '0') << m;
}

TEST_F(SeriesEntryTest, ReturnAndDownMoveOnUpDoesNot) {
  os.Key(platform::vk::kReturn).Key(platform::vk::kDown).Key(platform::vk::kUp);
  os.Key(platform::vk::kNumpad0 + 3);
  os.Then([&] { EXPECT_EQ(os.focused_field(), 403); });
  os.Key(platform::vk::kEscape);
  EnterSeries(1);
}

TEST_F(SeriesEntryTest, F1OpensTheHelpOfTheShownTab) {
  os.Key(platform::vk::kF1);
  os.Command(kGameTabCommand);
  os.Key(platform::vk::kF1);
  os.Key(platform::vk::kEscape);
  EnterSeries(1);
  EXPECT_EQ(os.help_requests(), (std::vector<std::string>{"NORM-Reihe", "GAME-Reihe"}));
}

TEST_F(SeriesEntryTest, AfterOkTheMainScreenShowsBothColumnsAndFges) {
  Pool().OwnForecast[1] = {0, 6, 4, 2};
  TypeRow("1111111111111");
  os.Command(kGameTabCommand);
  TypeRow("1111111111222");
  os.Command(kOk);
  EnterSeries(1);
  const platform::Surface& screen = main_screen();
  EXPECT_TRUE(testing::ShowsText(screen, 669, 66, "1"));
  EXPECT_TRUE(testing::ShowsText(screen, 669, 258, "1"));
  EXPECT_TRUE(testing::ShowsText(screen, 653, 314, "1300 "));
  EXPECT_TRUE(testing::ShowsText(screen, 725, 258, "2"));
  EXPECT_TRUE(testing::ShowsText(screen, 717, 290, " 3 "));
  EXPECT_TRUE(testing::ShowsText(screen, 709, 314, "1003 "));
  // Match 1 of the own forecast, 6 : 4 : 2, with NORM 1: 4 + 2 off the NORM.
  EXPECT_TRUE(testing::ShowsText(screen, 64, 290, "FGES:  6"));
  EXPECT_EQ(Pool().Fges, 6);
}

}  // namespace
}  // namespace vorlanz
