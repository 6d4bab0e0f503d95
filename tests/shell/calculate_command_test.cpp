#include "shell/calculate_command.h"

#include <string>
#include <vector>

#include "calc/calculation_screen.h"
#include "calc/screen_calc_fixture.h"
#include "entry/logic/entry_fields.h"
#include "support/text_probe.h"
#include "widgets/palette.h"
#include "widgets/screen_text.h"

namespace vorlanz {
namespace {

using platform::vk::kEscape;
using testing::ShowsText;

constexpr int kConfirmForecastEntry = 450;
constexpr int kCancelForecastEntry = 452;
constexpr int kConfirmSeriesEntry = 420;
constexpr int kCancelSeriesEntry = 422;

class CalculateCommandTest : public testing::ScreenCalcTest {
 protected:
  void ExpectWindow(const char* title) {
    os.Then([this, title] { EXPECT_EQ(os.WindowTitle(os.CurrentWindow()), title); });
  }
  bool RowsCalculated() {
    return QuotaUsedUp() &&
           ShowsText(main_screen(), 40 * 12 + 129, 66, Cells(Pool().TipRows[1][12], 1));
  }
};

TEST_F(CalculateCommandTest, ACancelledCalculationOpensNoWindow) {
  GiveForecast(5, 4, 3);
  poll_time.StepPerReading(testing::kVisitEveryStep);
  os.Key('3');
  os.TypingAhead().KeyDown(kEscape);  // pressed while the calculation runs
  os.TypingAhead(false).KeyDown('J');
  CalculateCommand();  // a window would wait for more script
  EXPECT_TRUE(Dialog().LeaveFlag);
  EXPECT_TRUE(os.ScriptDone());
}

TEST_F(CalculateCommandTest, ACancelledEntryEndsTheCommand) {
  ExpectWindow("Bitte Vorlanz eingeben");
  os.Command(kCancelForecastEntry);
  CalculateCommand();
  EXPECT_TRUE(os.ScriptDone());

  GiveForecast(5, 4, 3);
  Pool().NormReady = kFalse;
  ExpectWindow("Bitte Reihe eingeben");
  os.Command(kCancelSeriesEntry);
  CalculateCommand();
  EXPECT_TRUE(os.ScriptDone());
  EXPECT_EQ(Pool().SystemQuality, 0);  // the System-Güte was not asked for
}

TEST_F(CalculateCommandTest, ConfirmedEntriesGoOnToTheCalculation) {
  GiveForecast(5, 4, 3);
  Pool().OwnForecastReady = kFalse;  // typed before, never confirmed
  Pool().NormReady = kFalse;
  ExpectWindow("Bitte Vorlanz eingeben");
  os.Command(kConfirmForecastEntry);
  ExpectWindow("Bitte Reihe eingeben");
  for (int m = 1; m <= kMatchCount; ++m) os.TypeIntoField(SeriesFieldId(m), "1");
  os.Command(kConfirmSeriesEntry);
  ExpectWindow("Eingabe der System-Güte:");
  // F1 there: the calculation's page, not the series entry's, and the
  // input waits on.
  os.Key(platform::vk::kF1);
  os.Then([&] { EXPECT_EQ(os.help_requests(), std::vector<std::string>{"Berechnung"}); });
  ExpectWindow("Eingabe der System-Güte:");
  os.Key('4');
  os.Then([&] {
    // In the calculation window, after the calculation.
    EXPECT_EQ(os.CurrentWindow(), platform::kMainWindow);
    EXPECT_TRUE(RowsCalculated());
  });
  os.Key('X');
  CalculateCommand();
  EXPECT_TRUE(os.ScriptDone());
  EXPECT_EQ(Pool().SystemQuality, 4);
  EXPECT_EQ(Pool().RowQuality[1], 4);
}

TEST_F(CalculateCommandTest, AMatchWithoutWeightsSendsTheUserToTheForecast) {
  GiveForecast(5, 4, 3);
  Pool().OwnForecast[7] = {0, 0, 0, 0};
  os.Then([&] {
    // "Ihre Vorlanz ist fehlerhaft!" with the one button "MACH ICH".
    EXPECT_EQ(os.CurrentWindow(), platform::kMainWindow);
  });
  os.KeyDown('M');
  ExpectWindow("Bitte Vorlanz eingeben");
  os.Command(kCancelForecastEntry);
  CalculateCommand();
  EXPECT_TRUE(os.ScriptDone());
  EXPECT_EQ(Pool().SystemQuality, 0);
  EXPECT_EQ(Pool().OutcomeQuota[1][1], 0);  // nothing was calculated
}

}  // namespace
}  // namespace vorlanz
