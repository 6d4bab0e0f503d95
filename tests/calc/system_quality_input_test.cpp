#include "calc/system_quality_input.h"

#include <string_view>

#include "calc/screen_calc_fixture.h"

#include "support/text_probe.h"

#include <array>
#include <string>
#include <vector>

namespace vorlanz {
namespace {

using testing::ShowsText;

// True when the field's cell at (168, 16) shows the character above the
// cursor line, which runs through the cell's lower rows.
bool FieldShows(const platform::Surface& surface, std::string_view shown) {
  platform::Surface expected(surface.width(), surface.height());
  expected.SetTextColour({0, 0, 0});
  expected.SetBackColour({192, 192, 192});
  expected.Text(168, 16, shown);
  for (int y = 16; y < 16 + 12; ++y) {
    for (int x = 168; x < 176; ++x) {
      if (!(surface.Pixel(x, y) == expected.Pixel(x, y))) return false;
    }
  }
  return true;
}

class SystemQualityInputTest : public testing::ScreenCalcTest {
 protected:
  // Checks, while the window is open, that the field shows `shown`.
  void ExpectField(const char* shown) {
    os.Then([this, shown] { EXPECT_TRUE(FieldShows(os.Screen(), shown)) << shown; });
  }
};

TEST_F(SystemQualityInputTest, ProposesFourWhenNoneIsSetAndTakesDigits) {
  os.Then([&] {
    EXPECT_EQ(os.WindowTitle(os.CurrentWindow()), "Eingabe der System-Güte:");
    const auto g = os.WindowGeometry(os.CurrentWindow());
    EXPECT_EQ((std::array{g.x, g.y, g.width, g.height}), (std::array{180, 120, 244, 70}));
    EXPECT_TRUE(ShowsText(os.Screen(), 64, 16, "System-Güte:"));
    EXPECT_TRUE(FieldShows(os.Screen(), "4"));
  });
  os.Key(platform::vk::kReturn);
  AskSystemQuality();
  EXPECT_EQ(Pool().SystemQuality, 4);
  EXPECT_EQ(Pool().WorkingQuality, 4);
  EXPECT_EQ(os.CurrentWindow(), platform::kMainWindow);
  EXPECT_FALSE(os.WindowOpen(2));

  // Main and keypad digits.
  os.Key('7');
  AskSystemQuality();
  EXPECT_EQ(Pool().SystemQuality, 7);
  EXPECT_EQ(Pool().WorkingQuality, 7);

  os.Key(platform::vk::kNumpad0 + 2);
  AskSystemQuality();
  EXPECT_EQ(Pool().SystemQuality, 2);
}

TEST_F(SystemQualityInputTest, ZeroAndBAskAgainFromTheCurrentValue) {
  Pool().SystemQuality = 6;
  os.Key('0');
  ExpectField("6");
  os.Key('B');
  ExpectField("6");
  os.Key('5');
  AskSystemQuality();
  EXPECT_TRUE(os.ScriptDone());
  EXPECT_EQ(Pool().SystemQuality, 5);
}

// F1 opens the calculation's help, whatever dialog came before, and the
// input waits on for its digit.
TEST_F(SystemQualityInputTest, F1OpensTheCalculationsHelpAndTheInputStays) {
  Dialog().HelpTopic = "NORM-Reihe";
  os.Key(platform::vk::kF1);
  os.Then([&] {
    EXPECT_EQ(os.help_requests(), std::vector<std::string>{"Berechnung"});
    EXPECT_EQ(os.WindowTitle(os.CurrentWindow()), "Eingabe der System-Güte:");
  });
  os.Key('6');
  AskSystemQuality();
  EXPECT_TRUE(os.ScriptDone());
  EXPECT_EQ(Pool().SystemQuality, 6);
}

TEST_F(SystemQualityInputTest, AClickLeavesTheOldValue) {
  Pool().SystemQuality = 8;
  Pool().WorkingQuality = 2;
  os.Key('0').Click(10, 60);
  AskSystemQuality();
  EXPECT_EQ(Pool().SystemQuality, 8);
  EXPECT_EQ(Pool().WorkingQuality, 2);

  // With none set before, the proposal stays.
  Pool().SystemQuality = 0;
  os.Click(10, 60);
  AskSystemQuality();
  EXPECT_EQ(Pool().SystemQuality, 4);
  EXPECT_EQ(Pool().WorkingQuality, 2);
}

}  // namespace
}  // namespace vorlanz
