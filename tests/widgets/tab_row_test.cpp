#include <gtest/gtest.h>

#include <array>

#include "support/rgb.h"
#include "support/screen_test.h"
#include "support/text_probe.h"
#include "widgets/dialog_input.h"
#include "widgets/dialog_state.h"
#include "widgets/palette.h"
#include "widgets/primitives.h"
#include "widgets/push_button.h"
#include "widgets/screen_text.h"
#include "widgets/tab_row.h"

namespace vorlanz {
namespace {

using testing::ExpectPixels;

class TabRowTest : public ScreenTest {
 protected:
  void OpenEntryDialog() {
    DialogState& dialog = Dialog();
    dialog.TabItems = "_Eigene|_Amtliche|";
    dialog.CurrentTab = 1;
    dialog.TabIndex = 1;
    dialog.ButtonTop = kMainHeight - 40;
    dialog.OkLeft = kMainWidth / 2 - 79;
    dialog.CancelLeft = kMainWidth / 2 + 1;
    dialog.HelpTopic = "eigene Vorlanz";
    DrawTabRow(1, dialog.TabItems);
  }
  // Presses the mouse at (x, y) and runs one input step with no key.
  void PressAt(int x, int y) {
    os.MouseDown(x, y);
    os.WaitEvent();
    Dialog().DialogKey.clear();
    DialogInputStep();
  }
};

TEST_F(TabRowTest, TwoTabsWithTheSecondOpen) {
  DrawTabRow(2, "_Eigene|_Amtliche|");
  const DialogState& dialog = Dialog();
  EXPECT_EQ(dialog.TabCount, 2);
  EXPECT_EQ((std::array{dialog.TabRight[0], dialog.TabRight[1], dialog.TabRight[2]}),
            (std::array{8, 70, 149}));
  EXPECT_EQ(dialog.TabHotkey[1], "E");
  EXPECT_EQ(dialog.TabHotkey[2], "A");

  // Closed tab 1 has its top at y = 10; open tab 2 is one pixel taller and
  // merges into the panel, whose frame runs down the right.
  const platform::Surface& s = main_screen();
  ExpectPixels(s, rgb::White, {40, 10, 40, 30, 100, 9});
  ExpectPixels(s, rgb::LightGrey, {40, 9, 100, 10, 100, 30});
  ExpectPixels(s, rgb::Black, {69, 20, kMainWidth - 7, 200});
  EXPECT_TRUE(testing::ShowsText(s, 16, 15, "E", rgb::DarkRed));
  EXPECT_TRUE(testing::ShowsText(s, 24, 15, "igene", rgb::Black));
  EXPECT_TRUE(testing::ShowsText(s, 79, 15, "A", rgb::DarkRed));

  DrawTabRow(1, "_Eigene|_Amtliche|");  // the old open tab closes again
  ExpectPixels(s, rgb::LightGrey, {100, 9});
  ExpectPixels(s, rgb::White, {100, 30, 40, 9});
}

TEST_F(TabRowTest, ItemsNeedTheirClosingBar) {
  DrawTabRow(1, "_Norm|_Game");
  EXPECT_EQ(Dialog().TabCount, 1);
  DrawTabRow(1, "");
  EXPECT_EQ(Dialog().TabCount, 0);
}

TEST_F(TabRowTest, ClicksInTheTabAndButtonRows) {
  OpenEntryDialog();
  const DialogState& dialog = Dialog();
  PressAt(80, 20);
  EXPECT_EQ(dialog.DialogKey, "A");
  EXPECT_TRUE(dialog.TabChanged);
  EXPECT_EQ(dialog.CurrentTab, 2);
  EXPECT_EQ(dialog.TabIndex, 2);
  EXPECT_EQ(main_screen().Pixel(100, 9), rgb::White);  // tab 2 drawn open
  PressAt(9, 20);
  EXPECT_EQ(dialog.DialogKey, "E");
  for (int x : {8, 7, 150}) {
    PressAt(x, 20);
    EXPECT_EQ(dialog.DialogKey, "") << x;
    EXPECT_FALSE(dialog.TabChanged) << x;
  }

  const int row = kMainHeight - 40;
  PressAt(dialog.CancelLeft + 78, row + 30);
  EXPECT_EQ(dialog.DialogKey, "X");
  EXPECT_TRUE(dialog.LeaveFlag);
  PressAt(dialog.CancelLeft + 79, row);
  EXPECT_EQ(dialog.DialogKey, "");
  EXPECT_FALSE(dialog.LeaveFlag);
  PressAt(dialog.OkLeft, row);
  EXPECT_EQ(dialog.DialogKey, "O");
  EXPECT_TRUE(dialog.OkFlag);
  PressAt(dialog.OkLeft, row + 31);
  EXPECT_FALSE(dialog.OkFlag);
}

TEST_F(TabRowTest, KeysOfTheInputStep) {
  OpenEntryDialog();
  DialogState& dialog = Dialog();
  const std::uint64_t before = Checksum(main_screen());
  dialog.DialogKey = "E";  // the tab already shown: nothing happens
  DialogInputStep();
  EXPECT_FALSE(dialog.TabChanged);
  EXPECT_EQ(Checksum(main_screen()), before);

  dialog.FieldKey = "p";  // F1 as the digit field reads it: the dialog stays
  dialog.DialogKey = "p";
  DialogInputStep();
  EXPECT_FALSE(dialog.LeaveFlag);
  ASSERT_EQ(os.help_requests().size(), 1u);
  EXPECT_EQ(os.help_requests()[0], "eigene Vorlanz");

  dialog.FieldKey = "O";
  DialogInputStep();
  EXPECT_TRUE(dialog.OkFlag);
}

TEST_F(TabRowTest, AClosedTabDialogLeavesNoHotkeysBehind) {
  DrawTabRow(1, "_0|_1|_2|_3|_4|_5|_6|_7|_8|_9|");
  Dialog().CurrentTab = 1;
  EndTabDialog();
  const std::uint64_t before = Checksum(main_screen());
  Dialog().DialogKey = "5";
  DialogInputStep();
  EXPECT_FALSE(Dialog().TabChanged);
  EXPECT_EQ(Checksum(main_screen()), before);
}

TEST_F(TabRowTest, FlushInputDiscardsWhatIsTypedAheadAndWaitsForTheRelease) {
  os.TypingAhead().Key('A').MouseDown(5, 5).TypingAhead(false);
  os.MouseUp().Key('B');
  FlushInput();
  EXPECT_EQ(os.MouseButtons(), 0);
  EXPECT_EQ(os.WaitEvent().key, 'B');  // input after the release is kept

  os.Clear();
  os.TypingAhead().MouseDown(5, 5);  // held, never released by the script
  EXPECT_THROW(FlushInput(), platform::ScriptExhausted);
}

class PushButtonTest : public ScreenTest {
 protected:
  // Leftmost column holding the colour in the rectangle; -1 when none.
  int LeftmostColumn(platform::Rgb colour, int x1, int y1, int x2, int y2) {
    for (int x = x1; x <= x2; ++x) {
      for (int y = y1; y <= y2; ++y) {
        if (main_screen().Pixel(x, y) == colour) return x;
      }
    }
    return -1;
  }
};

TEST_F(PushButtonTest, HotkeyLetterStandsLeftOfTheLabel) {
  // Where ShadedLabel puts the first dark-red column of a letter drawn at x.
  ShadedLabel(1, 8, 400, 300, "J");
  const int j_offset = LeftmostColumn(rgb::DarkRed, 390, 280, 420, 310) - 400;
  ShadedLabel(1, 8, 400, 350, "N");
  const int n_offset = LeftmostColumn(rgb::DarkRed, 390, 330, 420, 360) - 400;

  DrawPushButton(0, 100, 100, 4, "_JA");  // "_JA|_NEIN"
  DrawPushButton(0, 200, 100, 4, "_NEIN");
  // Labels start at x + 14 + 4 (ButtonChars - 1 - length): " A" at 118,
  // " EIN" at 210; "J" stands 2 pixels left of it, "N" 1 pixel.
  EXPECT_EQ(LeftmostColumn(rgb::DarkRed, 100, 100, 160, 130), 118 - 2 + j_offset);
  EXPECT_EQ(LeftmostColumn(rgb::DarkRed, 200, 100, 260, 130), 210 - 1 + n_offset);
}

}  // namespace
}  // namespace vorlanz
