#include "entry/forecast_entry.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "entry/logic/entry_fields.h"
#include "model/pool_data.h"
#include "support/screen_test.h"
#include "support/text_probe.h"
#include "widgets/dialog_state.h"

namespace vorlanz {
namespace {

// A fresh platform numbers the entry window 2 and its panel 3.
constexpr platform::WindowId kWindow = 2;
constexpr int kOk = 450;
constexpr int kOwnTab = 454;
constexpr int kOfficialTab = 456;

class ForecastEntryTest : public ScreenTest {
 protected:
  std::string Field(int match, int column) const {
    return os.FieldText(WeightFieldId(match, column));
  }
  void Type(int match, int column, std::string text) {
    os.TypeIntoField(WeightFieldId(match, column), std::move(text));
  }
};

TEST_F(ForecastEntryTest, OpensWithItsFieldsAndHelpAndAltEChangesNothingOnTheOwnTab) {
  Pool().OwnForecast[1] = {0, 7, 0, 12};
  std::uint64_t before = 0;
  os.Then([&] {
      EXPECT_EQ(os.WindowTitle(kWindow), "Bitte Vorlanz eingeben");
      const auto at = os.WindowGeometry(kWindow);
      EXPECT_EQ((std::array{at.x, at.y, at.width, at.height}), (std::array{153, 41, 194, 351}));
      EXPECT_TRUE(os.FieldExists(439) && !os.FieldExists(440));
      EXPECT_EQ(os.focused_field(), 401);
      EXPECT_EQ(Field(1, 1) + "|" + Field(1, 2) + "|" + Field(1, 3), " 7||12");
      const platform::Surface& panel = os.WindowSurface(kWindow + 1);
      EXPECT_TRUE(testing::ShowsText(panel, 5, 2, " 1.Spiel:"));
      EXPECT_TRUE(testing::ShowsText(panel, 5, 2 + 18 * 12, "13.Spiel:"));
      before = Checksum(os.WindowSurface(kWindow));
    })
      .Key(platform::vk::kF1)
      .Command(kOwnTab)
      .Then([&] { EXPECT_EQ(Checksum(os.WindowSurface(kWindow)), before); })
      .Command(kOfficialTab)
      .Key(platform::vk::kF1)
      .Key(platform::vk::kEscape);
  EnterForecast(1);
  EXPECT_EQ(os.help_requests(), (std::vector<std::string>{"eigene Vorlanz", "amtliche Vorlanz"}));
  EXPECT_FALSE(os.WindowOpen(kWindow));
  EXPECT_FALSE(os.FieldExists(401));
}

// The fields refuse what a weight cannot be, so what the user sees is what
// is stored; each tab keeps what was typed under it.
TEST_F(ForecastEntryTest, FieldsTakeOnlyWeightsAndOkStoresBothTabs) {
  Pool().OfficialForecast[2][3] = 8;
  Type(1, 1, "-3");
  Type(1, 2, "2.5");
  Type(1, 3, "abc");
  Type(2, 1, "300");
  Type(2, 2, "255");
  os.Then([&] {
    EXPECT_EQ(Field(1, 1) + "|" + Field(1, 2) + "|" + Field(1, 3), "3|25|");
    EXPECT_EQ(Field(2, 1) + "|" + Field(2, 2), "30|255");
  });
  os.Command(kOfficialTab);
  os.Then([&] { EXPECT_EQ(Field(1, 1) + "|" + Field(2, 3), "| 8"); });
  Type(13, 2, "12");
  os.Click(30, 20);  // the tab "Eigene"
  os.Then([&] { EXPECT_EQ(Field(1, 1) + "|" + Field(2, 3), " 3|"); });
  os.Click(94, 290).Click(50, 305);  // between and below the buttons
  os.Then([&] { EXPECT_TRUE(os.WindowOpen(kWindow)); });
  os.Click(50, 290);  // OK
  Pool().OfficialForecastReady = kTrue;
  EnterForecast(1);
  const PoolData& pool = Pool();
  EXPECT_EQ((std::array{pool.OwnForecast[1][1], pool.OwnForecast[1][2], pool.OwnForecast[1][3],
                        pool.OwnForecast[2][1], pool.OwnForecast[2][2]}),
            (std::array<Byte, 5>{3, 25, 0, 30, 255}));
  EXPECT_EQ(pool.OfficialForecast[13][2], 12);
  EXPECT_EQ(pool.OfficialForecast[2][3], 8);
  EXPECT_EQ(pool.OwnForecastReady, kTrue);
  EXPECT_EQ(pool.OfficialForecastReady, kFalse) << "the own tab was shown at OK";
  for (const auto& [x, y, text] :
       {std::tuple{24, 64, " 1."}, {56, 64, "  3"}, {80, 64, " 25"}, {104, 64, "   "}}) {
    EXPECT_TRUE(testing::ShowsText(main_screen(), x, y, text)) << text;
  }
  EXPECT_TRUE(testing::AreaIs(main_screen(), 64, 290, 160, 305, platform::kLightGrey));
}

TEST_F(ForecastEntryTest, EveryWayOfCancellingDiscardsEverything) {
  const std::function<void()> ways[] = {
      [&] { os.KeyDown(platform::vk::kEscape); },
      [&] { os.Then([&] { os.CloseRequest(os.CurrentWindow()); }); }, [&] { os.Command(452); },
      [&] { os.MouseDown(120, 290); }};
  for (const auto& cancel : ways) {
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
  EXPECT_TRUE(os.ScriptDone());
}

}  // namespace
}  // namespace vorlanz
