#include "entry/odds_entry.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "entry/logic/entry_fields.h"
#include "model/help_topics.h"
#include "model/pool_data.h"
#include "support/screen_test.h"
#include "support/temp_dir.h"
#include "widgets/dialog_state.h"

namespace vorlanz {
namespace {

using namespace odds_dialog;
using Record = platform::HeadlessPlatform::DialogRecord;

constexpr int kEntryOk = 450;      // the forecast entry's OK
constexpr int kEntryCancel = 452;  // and its cancel

// A matchday's odds with their weights, worked out by hand: share of 100 =
// (1/odds) / (sum of the three 1/odds), whole parts, then the largest
// remainders.
constexpr const char* kMatchday =
    "1,85 3,60 4,20\n2,45 3,30 2,90\n1,40 4,80 7,50\n3,10 3,40 2,25\n"
    "2,05 3,40 3,60\n1,65 3,90 5,00\n2,70 3,25 2,60\n4,50 3,80 1,72\n"
    "2,20 3,30 3,20\n1,95 3,50 3,80\n2,35 3,20 3,05\n1,25 6,00 11,00\n"
    "2,60 3,10 2,80\n";
constexpr int kMatchdayWeights[13][3] = {{51, 26, 23}, {38, 29, 33}, {68, 20, 12}, {30, 28, 42},
                                         {46, 28, 26}, {57, 24, 19}, {35, 29, 36}, {21, 25, 54},
                                         {43, 28, 29}, {48, 27, 25}, {40, 29, 31}, {76, 16, 8},
                                         {36, 30, 34}};

class OddsEntryTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    PoolData& pool = Pool();
    for (int m = 1; m <= kMatchCount; ++m) pool.OwnForecast[m] = {0, 4, 4, 4};
  }
  // Checks the shown odds dialog while the script runs.
  void Expect(std::function<void(const Record&)> check) {
    os.Then([this, check] { check(os.dialogs().front()); });
  }
  static std::string Text(const Record& d, int id) {
    const auto found = d.texts.find(id);
    return found == d.texts.end() ? std::string() : found->second;
  }
  static std::string Line(const Record& d, int match) {
    return Text(d, FieldId(match, 1)) + "|" + Text(d, FieldId(match, 2)) + "|" +
           Text(d, FieldId(match, 3)) + "|" + Text(d, MarginId(match));
  }
  // The own forecast holds the matchday's weights, or still 4 4 4 everywhere.
  static void ExpectOwnForecast(bool converted) {
    for (int m = 1; m <= kMatchCount; ++m) {
      for (int o = 1; o <= kOutcomeCount; ++o) {
        EXPECT_EQ(Pool().OwnForecast[m][o], converted ? kMatchdayWeights[m - 1][o - 1] : 4);
      }
    }
    EXPECT_EQ(IsSet(Pool().OwnForecastReady), converted);
  }
};

// Typed field by field, with a comma or a point; OK opens the forecast
// entry on the own tab with the weights, and its OK stores them.
TEST_F(OddsEntryTest, TypedOddsOpenTheForecastEntryWithTheirWeights) {
  std::string rest = kMatchday;
  for (int m = 1; m <= kMatchCount; ++m) {
    for (int o = 1; o <= kOutcomeCount; ++o) {
      const std::size_t end = rest.find_first_of(" \n");
      std::string odds = rest.substr(0, end);
      rest.erase(0, end + 1);
      if (m == 2) odds[1] = '.';
      os.TypeIntoControl(FieldId(m, o), odds);
    }
  }
  Expect([](const Record& d) {
    EXPECT_EQ(d.layout.title, "Vorlanz aus Quoten");
    EXPECT_EQ(Line(d, 1), "1,85|3,60|4,20|5,6 %");
    EXPECT_EQ(Line(d, 2), "2.45|3.30|2.90|5,6 %");
  });
  os.Command(kOk);
  os.Then([this] {
    EXPECT_EQ(os.WindowTitle(os.CurrentWindow()), "Bitte Vorlanz eingeben");
    EXPECT_EQ(Dialog().CurrentTab, 1);
    EXPECT_EQ(os.FieldText(WeightFieldId(12, 1)), "76");
    EXPECT_EQ(os.FieldText(WeightFieldId(12, 3)), " 8");
  });
  os.Command(kEntryOk);
  EnterForecastFromOdds();
  ExpectOwnForecast(true);
  EXPECT_TRUE(IsSet(Pool().OwnForecastReady));
  EXPECT_FALSE(IsSet(Pool().OfficialForecastReady));
  EXPECT_FALSE(os.dialogs().front().open);
}

// A block pasted into any field fills all 13 lines; a single line pasted
// fills its own match; a block that fits neither is taken back.
TEST_F(OddsEntryTest, PastedBlocksFillTheLinesTheyHave) {
  os.TypeIntoControl(FieldId(6, 2), "3,9");
  os.TypeIntoControl(FieldId(6, 2), "1 2 3\n4 5 6\n");
  os.KeyDown('O');  // answers the alert
  Expect([](const Record& d) { EXPECT_EQ(Text(d, FieldId(6, 2)), "3,9"); });
  os.TypeIntoControl(FieldId(9, 3), kMatchday);
  Expect([](const Record& d) {
    EXPECT_EQ(Line(d, 1), "1,85|3,60|4,20|5,6 %");
    EXPECT_EQ(Line(d, 13), "2,60|3,10|2,80|6,4 %");
  });
  os.TypeIntoControl(FieldId(4, 1), "1,10\t1,50\t2,00");
  Expect([](const Record& d) {
    EXPECT_EQ(Line(d, 4), "1,10|1,50|2,00|107,6 % !");
    EXPECT_EQ(Line(d, 5), "2,05|3,40|3,60|6,0 %");
  });
  os.Command(kCancel);
  EnterForecastFromOdds();
  ExpectOwnForecast(false);
  EXPECT_TRUE(os.ScriptDone());
}

// "Einfügen" takes the clipboard's text, "Laden..." a file's; both need all
// 13 lines.
TEST_F(OddsEntryTest, ClipboardAndFileFillEveryMatch) {
  testing::TempDir dir;
  {
    std::ofstream file("quoten.csv", std::ios::binary);
    // The matchday as a spreadsheet saves it: a heading, semicolons, CR LF.
    file << "Heim;Remis;Gast\r\n";
    for (const char c : std::string(kMatchday))
      file << (c == ' ' ? ";" : c == '\n' ? "\r\n" : std::string(1, c));
  }
  clipboard.SetText("1,85 3,40 4,20\n");
  os.Command(kPaste).KeyDown('O');
  Expect([](const Record& d) { EXPECT_EQ(Line(d, 1), "|||"); });
  os.AnswerFileChoice("fehlt.csv").Command(kLoad).KeyDown('O');
  os.AnswerFileChoice("").Command(kLoad);
  os.AnswerFileChoice((dir.path() / "quoten.csv").string()).Command(kLoad);
  Expect([](const Record& d) { EXPECT_EQ(Line(d, 8), "4,50|3,80|1,72|6,7 %"); });
  os.Command(kOk).Command(kEntryOk);
  EnterForecastFromOdds();
  EXPECT_TRUE(os.ScriptDone());
  ASSERT_EQ(os.file_choices().size(), 3u);
  EXPECT_EQ(os.file_choices()[0].pattern, "*.txt *.csv");
  ExpectOwnForecast(true);
}

// A fault at OK is told (one alert), and the dialog stays with the odds as
// they were; every way out of the dialog or of the forecast entry after it
// keeps the old forecast.
TEST_F(OddsEntryTest, FaultsAndCancelsChangeNothing) {
  os.TypeIntoControl(FieldId(1, 1), kMatchday);
  os.TypeIntoControl(FieldId(3, 2), "1,00");
  os.Command(kOk).KeyDown('O');
  os.Then([this] { EXPECT_TRUE(os.dialogs().front().open && os.dialogs().front().visible); });
  os.Command(kHelp);
  os.TypeIntoControl(FieldId(3, 2), "4,80");
  os.Command(kOk).Command(kEntryCancel);
  EnterForecastFromOdds();
  EXPECT_TRUE(os.ScriptDone());
  EXPECT_EQ(os.help_requests(), std::vector<std::string>{std::string(help::kOdds)});
  ExpectOwnForecast(false);

  os.TypeIntoControl(FieldId(1, 1), kMatchday).CloseDialog();
  EnterForecastFromOdds();
  ExpectOwnForecast(false);
  EXPECT_EQ(os.WindowOpen(os.dialogs().back().window), false);
}

}  // namespace
}  // namespace vorlanz
