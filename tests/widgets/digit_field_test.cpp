#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/rgb.h"
#include "support/screen_test.h"
#include "support/text_probe.h"
#include "widgets/dialog_state.h"
#include "widgets/digit_field.h"
#include "widgets/palette.h"
#include "widgets/screen_text.h"

namespace vorlanz {
namespace {

namespace vk = platform::vk;

class DigitFieldTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    SetColours(kBlack, kLightGrey);
    Dialog().FieldText = "4";
    Dialog().HelpTopic = "Berechnung";
  }
  // Runs the field at column 10, row 5 (pixel cell 80, 64).
  void Run() {
    int col = 10;
    int row = 5;
    DigitField(col, row);
    EXPECT_EQ(col, 80);
    EXPECT_EQ(row, 64);
  }
  const platform::Surface& s() { return main_screen(); }
};

TEST_F(DigitFieldTest, DigitsEndTheField) {
  os.Key(vk::kNumpad0 + 5);
  Run();
  EXPECT_EQ(Dialog().FieldText, "5");
  EXPECT_FALSE(Dialog().LeaveFlag);
  EXPECT_TRUE(testing::ShowsText(s(), 80, 64, "5"));  // whole, cursor gone

  os.Key(vk::kEscape).Key('Q').Key(vk::kLeft).Key('7');  // ignored keys first
  Run();
  EXPECT_EQ(Dialog().FieldText, "7");
  os.Key('B');
  Run();
  EXPECT_EQ(Dialog().FieldText, "B");
}

TEST_F(DigitFieldTest, TheCloseBoxLeavesAndKeysWithoutCodeAreIgnored) {
  const platform::WindowId window = os.OpenWindow("Eingabe der System-Güte:", 180, 120, 244, 70);
  os.KeyUp(0).Key('6');  // a key the program has no code for, then a digit
  Run();
  EXPECT_EQ(Dialog().FieldText, "6");
  os.CloseRequest(window);
  Run();
  EXPECT_TRUE(Dialog().LeaveFlag);
  EXPECT_EQ(Dialog().FieldText, "6");
}

TEST_F(DigitFieldTest, KeysThatKeepTheText) {
  for (int key : {int{vk::kReturn}, int{vk::kDown}, int{vk::kUp}, int{'O'}}) {
    os.Key(key);
    Run();
    EXPECT_EQ(Dialog().FieldText, "4") << key;
    EXPECT_FALSE(Dialog().LeaveFlag) << key;
    EXPECT_TRUE(os.ScriptDone()) << key;
  }
  EXPECT_TRUE(Dialog().OkFlag);  // after "O"

  os.KeyDown('8');  // a key counts when it is released
  EXPECT_THROW(Run(), platform::ScriptExhausted);
}

TEST_F(DigitFieldTest, AMousePressLeavesAndF1WaitsOn) {
  os.MouseDown(400, 300);
  Run();
  EXPECT_TRUE(Dialog().LeaveFlag);
  EXPECT_EQ(Dialog().FieldText, "4");

  // F1: the help of the open dialog, and the field still takes its digit.
  os.MouseUp().Key(vk::kF1);
  os.Then([&] { EXPECT_EQ(os.help_requests(), std::vector<std::string>{"Berechnung"}); });
  os.Key('3');
  Run();
  EXPECT_FALSE(Dialog().LeaveFlag);
  EXPECT_EQ(Dialog().FieldText, "3");
  EXPECT_TRUE(os.ScriptDone());
}

TEST_F(DigitFieldTest, ZeroShowsAsBlankUnderTheCursor) {
  Dialog().FieldText = "0";
  os.Then([&] {
    EXPECT_TRUE(testing::AreaIs(s(), 80, 64, 87, 75, rgb::LightGrey));
    EXPECT_TRUE(testing::AreaIs(s(), 79, 76, 87, 76, rgb::Black));  // the cursor
  });
  os.Key(vk::kReturn);
  Run();
  EXPECT_EQ(Dialog().FieldText, " ");
  EXPECT_TRUE(testing::AreaIs(s(), 79, 76, 87, 76, rgb::LightGrey));
  EXPECT_EQ(s().pen_colour(), rgb::Black);
}

}  // namespace
}  // namespace vorlanz
