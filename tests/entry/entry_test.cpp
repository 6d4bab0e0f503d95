#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <stdexcept>

#include "entry/forecast_entry.h"
#include "entry/logic/entry_fields.h"
#include "entry/logic/series_edit.h"
#include "entry/series_entry.h"
#include "model/pool_data.h"
#include "support/screen_test.h"
#include "support/text_probe.h"
#include "widgets/dialog_state.h"
#include "widgets/digit_field.h"

namespace vorlanz {
namespace {

constexpr platform::WindowId kWindow = 2;  // a fresh platform's first window

constexpr int kOwnTab = 454;
constexpr int kOfficialTab = 456;

class EntryTest : public ScreenTest {
 protected:
  // Escape, the close box, the hidden cancel command and the ABBRUCH button,
  // pressed (and released, where the entry waits for the release).
  std::vector<std::function<void()>> CancelWays(int cancel_command, bool release) {
    return {[&] { os.KeyDown(platform::vk::kEscape); },
            [&] { os.Then([&] { os.CloseRequest(os.CurrentWindow()); }); },
            [&, cancel_command] { os.Command(cancel_command); },
            [&, release] { release ? os.Click(120, 290) : os.MouseDown(120, 290); }};
  }
  std::string Fields(int match) const {
    return os.FieldText(WeightFieldId(match, 1)) + "|" + os.FieldText(WeightFieldId(match, 2)) +
           "|" + os.FieldText(WeightFieldId(match, 3)) + "|";
  }
  void Type(int match, int column, std::string text) {
    os.TypeIntoField(WeightFieldId(match, column), std::move(text));
  }
  // Types each code into the focused field with its keypad key, which moves on.
  void TypeOnKeypad(std::string_view codes) {
    for (const char c : codes) os.TypeIntoField(0, {c}).Key(platform::vk::kNumpad0 + c - '0');
  }
};

// The fields refuse what a weight cannot be, so what the user sees is what
// is stored; each tab keeps what was typed under it.
TEST_F(EntryTest, ForecastFieldsTakeOnlyWeightsTabsKeepThemAndOkStoresBoth) {
  Pool().OwnForecast[1] = {0, 7, 0, 12};
  Pool().OfficialForecast[2][3] = 8;
  Pool().OfficialForecastReady = kTrue;
  std::uint64_t before = 0;
  os.Then([&] {
      const auto at = os.WindowGeometry(kWindow);
      EXPECT_EQ((std::array{at.x, at.y, at.width, at.height}), (std::array{153, 41, 194, 351}));
      EXPECT_EQ(os.WindowTitle(kWindow), "Bitte Vorlanz eingeben");
      EXPECT_TRUE(os.FieldExists(439) && !os.FieldExists(440) && os.focused_field() == 401);
      EXPECT_EQ(Fields(1), " 7||12|");
      EXPECT_TRUE(testing::ShowsText(os.WindowSurface(kWindow + 1), 5, 2 + 18 * 12, "13.Spiel:"));
      before = Checksum(os.WindowSurface(kWindow));
    })
      .Key(platform::vk::kF1)
      .Command(kOwnTab)  // already shown: nothing changes
      .Then([&] { EXPECT_EQ(Checksum(os.WindowSurface(kWindow)), before); });
  Type(1, 1, "-3");
  Type(1, 2, "2.5");
  Type(1, 3, "abc");
  Type(2, 1, "300");
  Type(2, 2, "255");
  os.Then([&] { EXPECT_EQ(Fields(1) + Fields(2), "3|25||30|255||"); });
  os.Command(kOfficialTab).Key(platform::vk::kF1);
  os.Then([&] { EXPECT_EQ(Fields(2), "|| 8|"); });
  Type(13, 2, "12");
  os.Click(30, 20);  // the tab "Eigene"
  os.Then([&] { EXPECT_EQ(Fields(1), " 3|25||"); });
  os.Click(94, 290).Click(50, 305);  // between and below the buttons
  os.Then([&] { EXPECT_TRUE(os.WindowOpen(kWindow)); });
  os.MouseDown(50, 290);  // OK
  EnterForecast(1);
  const PoolData& pool = Pool();
  EXPECT_EQ((std::array{pool.OwnForecast[1][1], pool.OwnForecast[1][2], pool.OwnForecast[1][3],
                        pool.OwnForecast[2][1], pool.OwnForecast[2][2]}),
            (std::array<Byte, 5>{3, 25, 0, 30, 255}));
  EXPECT_EQ(pool.OfficialForecast[13][2] + pool.OfficialForecast[2][3], 12 + 8);
  EXPECT_EQ(pool.OwnForecastReady, kTrue);
  EXPECT_EQ(pool.OfficialForecastReady, kFalse) << "the own tab was shown at OK";
  EXPECT_EQ(os.help_requests(), (std::vector<std::string>{"eigene Vorlanz", "amtliche Vorlanz"}));
  EXPECT_FALSE(os.WindowOpen(kWindow) || os.FieldExists(401) || !os.ScriptDone());
  EXPECT_TRUE(testing::ShowsText(main_screen(), 24, 64, " 1.   3 25   "));
}

TEST_F(EntryTest, ForecastEveryWayOfCancellingDiscardsEverything) {
  for (const auto& cancel : CancelWays(452, false)) {
    Pool().OwnForecast[1][1] = 2;
    Type(1, 1, "9");
    os.Command(kOfficialTab);
    Type(1, 1, "5");
    cancel();
    EnterForecast(1);
    EXPECT_EQ(Pool().OwnForecast[1][1] + 10 * Pool().OfficialForecast[1][1], 2);
    EXPECT_EQ(Pool().OwnForecastReady, kFalse);
    EXPECT_EQ(Dialog().DialogKey, "X");
    EXPECT_TRUE(os.ScriptDone());
  }
  // A press held from before the dialog is no click on OK.
  os.MouseDown(50, 290);
  platform::Current().WaitEvent();
  os.MouseMove(50, 290).MouseUp().KeyDown(platform::vk::kEscape);
  EnterForecast(1);
  EXPECT_EQ(Pool().OwnForecastReady, kFalse);
}

// The button that ends the entry stays drawn pressed for the moment before
// the window closes; the other button keeps its look.
TEST_F(EntryTest, TheButtonThatEndsTheEntryShowsPressedUntilTheWindowCloses) {
  using Pixels = std::vector<platform::Rgb>;
  const auto entry_window = [&] {  // each entry opens a window with a new id
    for (platform::WindowId window = kWindow; window < kWindow + 64; ++window) {
      if (os.WindowOpen(window) && !os.WindowTitle(window).empty()) return window;
    }
    throw std::logic_error("no entry window is open");
  };
  const auto button_at = [&](int left) {
    const platform::Surface& surface = os.WindowSurface(entry_window());
    const int top = Dialog().ButtonTop;
    Pixels pixels;
    for (int y = top; y <= top + 27; ++y) {
      for (int x = left; x <= left + 7 * 8 + 20; ++x) pixels.push_back(surface.Pixel(x, y));
    }
    return pixels;
  };
  struct Look {
    Pixels ok, cancel;
  };
  const auto looks = [&] {
    return Look{button_at(Dialog().OkLeft), button_at(Dialog().CancelLeft)};
  };
  const struct {
    const char* how;
    std::function<void()> end;
    bool ok_pressed;
  } cases[] = {
      {"forecast: OK clicked",
       [&] {
         os.Click(50, 290);
         EnterForecast(1);
       },
       true},
      {"series: confirmed",
       [&] {
         os.Click(50, 290);
         EnterSeries(1);
       },
       true},
      {"series: Escape",
       [&] {
         os.KeyDown(platform::vk::kEscape);
         EnterSeries(1);
       },
       false},
  };
  for (const auto& c : cases) {
    Look opened, at_pause;
    os.Then([&] { opened = looks(); });
    os.OnPause([&] { at_pause = looks(); });
    c.end();
    os.OnPause(nullptr);
    ASSERT_FALSE(at_pause.ok.empty()) << c.how;
    EXPECT_EQ(at_pause.ok != opened.ok, c.ok_pressed) << c.how;
    EXPECT_EQ(at_pause.cancel != opened.cancel, !c.ok_pressed) << c.how;
  }
}

constexpr int kGameTab = 426;

TEST_F(EntryTest, SeriesOpensEmptyWhenNotReadyAndOkWithoutTypingKeepsItNotReady) {
  Pool().NormSeries.fill(1);  // older values, not confirmed
  os.Then([&] {
      const auto at = os.WindowGeometry(kWindow);
      EXPECT_EQ((std::array{at.x, at.y, at.width, at.height}), (std::array{150, 41, 194, 351}));
      EXPECT_EQ(os.WindowTitle(kWindow), "Bitte Reihe eingeben");
      EXPECT_TRUE(os.FieldExists(413) && !os.FieldExists(414));
      for (int m = 1; m <= kMatchCount; ++m) EXPECT_EQ(os.FieldText(SeriesFieldId(m)), "") << m;
      EXPECT_TRUE(testing::ShowsText(os.WindowSurface(kWindow + 1), 20, 218, "13. Spiel:"));
    })
      .Key(platform::vk::kF1)
      .Command(kGameTab)
      .Key(platform::vk::kF1)
      .Command(420);
  EnterSeries(1);
  EXPECT_EQ(os.help_requests(), (std::vector<std::string>{"NORM-Reihe", "GAME-Reihe"}));
  EXPECT_FALSE(IsSet(Pool().NormReady) || IsSet(Pool().GameReady) ||
               Pool().NormSeries[13] != kNoEntry);
}

TEST(SeriesEditTest, ASeriesIsReadyOnlyWithEveryMatchEntered) {
  PoolData pool;
  pool.NormSeriesEdit.fill(kHomeWin);
  pool.GameSeriesEdit.fill(kDraw);
  pool.NormSeriesEdit[13] = kNoEntry;
  pool.GameSeriesEdit[1] = kNoEntry;
  CommitSeriesEdits(pool);
  EXPECT_FALSE(IsSet(pool.NormReady) || IsSet(pool.GameReady));
  pool.NormSeriesEdit[13] = kAwayWin;
  pool.GameSeriesEdit[1] = kHomeWin;
  CommitSeriesEdits(pool);
  EXPECT_TRUE(IsSet(pool.NormReady) && IsSet(pool.GameReady));
}

// A field takes one outcome code; anything else is refused as it is typed.
TEST_F(EntryTest, SeriesKeypadFillsTheFieldsAndOkMakesCompleteSeriesReady) {
  Pool().OwnForecast[1] = {0, 6, 4, 2};
  os.TypeIntoField(0, "3").Key(platform::vk::kNumpad0 + 3);  // refused; the focus stays
  os.Then([&] { EXPECT_EQ(os.FieldText(401) + std::to_string(os.focused_field()), "401"); });
  TypeOnKeypad("102102102102");
  os.TypeIntoField(0, "12").Key(platform::vk::kReturn);
  os.Then([&] { EXPECT_EQ(os.FieldText(413), "1"); });
  os.Key(platform::vk::kUp).Key(platform::vk::kDown).Command(kGameTab);
  TypeOnKeypad("1111111111222");
  os.Click(30, 20).Click(80, 20);  // tabs "Norm" and "Game": both keep what was typed
  os.Click(50, 290);
  EnterSeries(1);
  EXPECT_TRUE(IsSet(Pool().NormReady) && IsSet(Pool().GameReady));
  for (int m = 1; m <= kMatchCount; ++m) {
    EXPECT_EQ(Pool().NormSeries[m], "1021021021021"[m - 1] - '0') << m;
    EXPECT_EQ(Pool().GameSeries[m], "2111111111122"[m - 1] - '0') << m;
  }
  EXPECT_TRUE(testing::ShowsText(main_screen(), 709, 314, "1003 "));
  EXPECT_TRUE(testing::ShowsText(main_screen(), 64, 290, "FGES:  6"));
}

TEST_F(EntryTest, SeriesEveryWayOfCancellingDiscardsEverything) {
  for (const auto& cancel : CancelWays(422, true)) {
    Pool().NormSeries.fill(1);
    Pool().NormReady = kTrue;
    os.TypeIntoField(SeriesFieldId(5), "0").TypeIntoField(SeriesFieldId(6), "").Command(kGameTab);
    os.TypeIntoField(SeriesFieldId(5), "2");
    cancel();
    EnterSeries(1);
    EXPECT_EQ(Pool().NormSeries[5] + 10 * IsSet(Pool().GameReady), 1);
    EXPECT_TRUE(!Dialog().OkFlag && os.ScriptDone());
    // The edit copies keep what the tab switch stored; an empty field
    // leaves its entry.
    EXPECT_EQ(Pool().NormSeriesEdit[5] + 10 * Pool().NormSeriesEdit[6], 10);
    EXPECT_EQ(Pool().GameSeriesEdit[5], kNoEntry);
  }
  // An O that ended a digit field before is no OK here.
  int col = 21;
  int row = 2;
  os.Key('O');
  DigitField(col, row);
  os.TypeIntoField(401, "2").Click(80, 20).Command(422);
  EnterSeries(1);
  EXPECT_EQ(Pool().NormSeries[1], 1);
}

}  // namespace
}  // namespace vorlanz
