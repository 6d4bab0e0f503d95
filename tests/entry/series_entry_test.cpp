#include "entry/series_entry.h"

#include <gtest/gtest.h>

#include <array>

#include "entry/logic/entry_fields.h"
#include "model/pool_data.h"
#include "support/screen_test.h"
#include "support/text_probe.h"
#include "widgets/dialog_state.h"
#include "widgets/digit_field.h"

namespace vorlanz {
namespace {

// A fresh platform numbers the entry window 2 and its panel 3.
constexpr platform::WindowId kWindow = 2;
constexpr int kOk = 420;
constexpr int kCancel = 422;
constexpr int kGameTab = 426;

class SeriesEntryTest : public ScreenTest {
 protected:
  std::string Field(int match) const { return os.FieldText(SeriesFieldId(match)); }
  // Types each code into the focused field with its keypad key, which moves on.
  void TypeOnKeypad(std::string_view codes) {
    for (const char code : codes) {
      os.TypeIntoField(0, std::string(1, code)).Key(platform::vk::kNumpad0 + (code - '0'));
    }
  }
};

TEST_F(SeriesEntryTest, OpensEmptyWhenNotReadyAndOkWithoutTypingKeepsItNotReady) {
  Pool().NormSeries.fill(1);  // older values, not confirmed
  os.Then([&] {
      EXPECT_EQ(os.WindowTitle(kWindow), "Bitte Reihe eingeben");
      const auto at = os.WindowGeometry(kWindow);
      EXPECT_EQ((std::array{at.x, at.y, at.width, at.height}), (std::array{150, 41, 194, 351}));
      EXPECT_TRUE(os.FieldExists(413) && !os.FieldExists(414));
      for (int m = 1; m <= kMatchCount; ++m) EXPECT_EQ(Field(m), "") << m;
      const platform::Surface& panel = os.WindowSurface(kWindow + 1);
      EXPECT_TRUE(testing::ShowsText(panel, 20, 2 + 18 * 12, "13. Spiel:"));
    })
      .Key(platform::vk::kF1)
      .Command(kGameTab)
      .Key(platform::vk::kF1)
      .Command(kOk);
  EnterSeries(1);
  EXPECT_EQ(os.help_requests(), (std::vector<std::string>{"NORM-Reihe", "GAME-Reihe"}));
  EXPECT_FALSE(IsSet(Pool().NormReady) || IsSet(Pool().GameReady));
  EXPECT_EQ(Pool().NormSeries[13], kNoEntry);
}

// A field takes one outcome code; anything else is refused as it is typed.
TEST_F(SeriesEntryTest, KeypadFillsTheFieldsAndOkMakesCompleteSeriesReady) {
  Pool().OwnForecast[1] = {0, 6, 4, 2};
  os.TypeIntoField(0, "5").Key(platform::vk::kNumpad0 + 5);  // refused; the focus stays
  os.Then([&] { EXPECT_EQ(Field(1) + "|" + std::to_string(os.focused_field()), "|401"); });
  TypeOnKeypad("102102102102");
  os.TypeIntoField(0, "12").Key(platform::vk::kReturn);
  os.Then([&] { EXPECT_EQ(Field(13), "1"); });
  os.Key(platform::vk::kUp).Command(kGameTab);
  os.Then([&] { EXPECT_EQ(Field(1), ""); });
  TypeOnKeypad("1111111111222");
  os.Click(30, 20);  // the tab "Norm" keeps what the GAME tab holds
  os.Click(80, 20).Command(kOk);
  EnterSeries(1);
  EXPECT_TRUE(IsSet(Pool().NormReady) && IsSet(Pool().GameReady));
  for (int m = 1; m <= kMatchCount; ++m) {
    EXPECT_EQ(Pool().NormSeries[m], "1021021021021"[m - 1] - '0') << m;
    EXPECT_EQ(Pool().GameSeries[m], "1111111111222"[m - 1] - '0') << m;
  }
  EXPECT_TRUE(testing::ShowsText(main_screen(), 669, 66, "1"));
  EXPECT_TRUE(testing::ShowsText(main_screen(), 725, 258, "2"));
  EXPECT_TRUE(testing::ShowsText(main_screen(), 709, 314, "1003 "));
  EXPECT_TRUE(testing::ShowsText(main_screen(), 64, 290, "FGES:  6"));
}

TEST_F(SeriesEntryTest, EveryWayOfCancellingDiscardsEverything) {
  const std::function<void()> ways[] = {
      [&] { os.KeyDown(platform::vk::kEscape); },
      [&] { os.Then([&] { os.CloseRequest(os.CurrentWindow()); }); }, [&] { os.Command(kCancel); },
      [&] { os.Click(120, 290); }};
  for (const auto& cancel : ways) {
    Pool().NormSeries.fill(1);
    Pool().NormReady = kTrue;
    os.TypeIntoField(SeriesFieldId(5), "0").TypeIntoField(SeriesFieldId(6), "").Command(kGameTab);
    os.TypeIntoField(SeriesFieldId(5), "2");
    cancel();
    EnterSeries(1);
    EXPECT_EQ(Pool().NormSeries[5], 1);
    EXPECT_EQ(Pool().GameReady, kFalse);
    EXPECT_FALSE(Dialog().OkFlag);
    EXPECT_TRUE(os.ScriptDone());
    // The edit copies keep what the tab switch stored; an empty field
    // leaves its entry.
    EXPECT_EQ(Pool().NormSeriesEdit[5] + 10 * Pool().NormSeriesEdit[6], 10);
    EXPECT_EQ(Pool().GameSeriesEdit[5], kNoEntry);
  }
}

TEST_F(SeriesEntryTest, AnOThatEndedTheDigitFieldBeforeIsNoOkHere) {
  int col = 21;
  int row = 2;
  os.Key('O');
  DigitField(col, row);
  TypeOnKeypad("1111111111111");
  os.Click(80, 20).Command(kCancel);
  EnterSeries(1);
  EXPECT_EQ(Pool().NormReady, kFalse);
}

}  // namespace
}  // namespace vorlanz
