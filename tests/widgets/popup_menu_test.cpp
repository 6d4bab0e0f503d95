#include <gtest/gtest.h>

#include "support/rgb.h"
#include "support/screen_test.h"
#include "support/text_probe.h"
#include "widgets/dialog_state.h"
#include "widgets/logic/popup_layout.h"
#include "widgets/palette.h"
#include "widgets/popup_menu.h"
#include "widgets/screen_text.h"

namespace vorlanz {
namespace {

namespace vk = platform::vk;
using testing::ExpectPixels;

constexpr const char* kCalcItems =
    "-TIPPS| _berechnen| _merken| auswä_hlen| _vergleichen| _drucken|-REIHE| _Game| _Zufall|"
    " _Testlauf|-DATEN| _sichern| _laden|-ANALYSE| _Wettstreit| _Prüfung";
constexpr int kX = 300;
constexpr int kY = 80;

TEST(PopupLayout, CalculationWindowMenu) {
  const PopupLayout menu = LayOutPopup(kX, kY, kCalcItems);
  EXPECT_EQ(menu.last, 15);
  EXPECT_EQ(menu.max_len, 13);
  EXPECT_EQ(menu.x2 - menu.x, 117);
  EXPECT_EQ(menu.y2 - menu.y, 315);
  EXPECT_EQ(menu.row_x, kX + 7);
  EXPECT_EQ(menu.FirstBar(), 1);
  const char* hotkeys[] = {"",  "B", "M", "H", "V", "D", "",  "G",
                           "Z", "T", "",  "S", "L", "",  "W", "P"};
  for (int i = 0; i <= 15; ++i) EXPECT_EQ(menu.hotkeys[i], hotkeys[i]) << i;
  EXPECT_EQ(menu.NextUp(1), 1);
  EXPECT_EQ(menu.NextDown(9), 11);
  EXPECT_EQ(menu.NextDown(15), 15);
  EXPECT_EQ(LayOutPopup(0, 0, "a|b|c|d|e|f|g|h|i|j|k|l|m|n|o|p|q|r").last, 15);
}

class PopupMenuTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    for (int y = 0; y < kMainHeight; y += 5) FillArea(0, y, kMainWidth - 1, y + 1, kBlue);
    before_ = Checksum(main_screen());
  }
  int Menu() { return PopupMenu(kX, kY, kCalcItems); }
  // A point in the middle of item i's row.
  static int RowY(int i) { return kY + 5 + 19 * i + 10; }
  bool ScreenRestored() { return Checksum(main_screen()) == before_; }

  std::uint64_t before_ = 0;
};

TEST_F(PopupMenuTest, HotkeysChooseTheirItem) {
  os.Key('S');
  EXPECT_EQ(Menu(), 11);
  EXPECT_TRUE(ScreenRestored());
  EXPECT_EQ(Dialog().PopupHotkeys[11], "S");
}

TEST_F(PopupMenuTest, KeysTypedBeforeTheMenuDoNotCount) {
  os.TypingAhead().Keys("S").TypingAhead(false).Key('P');
  EXPECT_EQ(Menu(), 15);

  // Opened with the button still held: the menu waits for its release.
  os.Clear();
  os.TypingAhead().MouseDown(700, 420).TypingAhead(false).MouseUp().Key('B');
  EXPECT_EQ(Menu(), 1);
  EXPECT_EQ(os.ScriptLeft(), 1u);  // the release of "B"
}

TEST_F(PopupMenuTest, ArrowsMoveOverHeadings) {
  os.Key(vk::kUp).Key(vk::kReturn);  // Up on item 1 under a heading stays
  EXPECT_EQ(Menu(), 1);

  for (int i = 0; i < 7; ++i) os.Key(vk::kDown);  // 1..5, 7, 8, 9
  os.Key(vk::kReturn);
  EXPECT_EQ(Menu(), 9);

  for (int i = 0; i < 8; ++i) os.Key(vk::kDown);  // past "-DATEN"
  os.Key(vk::kReturn);
  EXPECT_EQ(Menu(), 11);

  for (int i = 0; i < 20; ++i) os.Key(vk::kDown);  // stops on the last item
  os.Key(vk::kUp).Key(vk::kReturn);
  EXPECT_EQ(Menu(), 14);

  for (int i = 0; i < 9; ++i) os.Key(vk::kDown);
  os.Key(vk::kReturn);  // on " _laden"
  EXPECT_EQ(Menu(), 12);
  EXPECT_TRUE(ScreenRestored());
}

TEST_F(PopupMenuTest, SideArrowsAndEscape) {
  os.Key(vk::kLeft);
  EXPECT_EQ(Menu(), kPopupLeftArrow);
  os.Key(vk::kRight);
  EXPECT_EQ(Menu(), kPopupRightArrow);
  os.Key(vk::kEscape).Key('X').Key('W');
  EXPECT_EQ(Menu(), 14);  // Escape and unknown letters are ignored
  EXPECT_TRUE(ScreenRestored());
}

TEST_F(PopupMenuTest, KeypadDigitsActAsDigitKeys) {
  const char* items = "-KARTE|_0 null|_1 eins|_2 zwei";
  os.Key(vk::kNumpad0 + 2);
  EXPECT_EQ(PopupMenu(kX, kY, items), 3);
  os.Key('0');
  EXPECT_EQ(PopupMenu(kX, kY, items), 1);

  os.Key(vk::kDown).Key(vk::kReturn);  // on an item without hot key
  EXPECT_EQ(PopupMenu(kX, kY, "_Eins|Zwei"), kPopupCancelled);
}

TEST_F(PopupMenuTest, TheBarFollowsThePointer) {
  const platform::Surface& s = main_screen();
  os.MouseMove(350, RowY(3));
  os.Then([&] {
    // The bar on item 3, gone from item 1 with the bevel put back.
    ExpectPixels(s, rgb::Black, {kX + 50, kY + 5 + 19 * 3});
    ExpectPixels(s, rgb::White, {kX + 50, kY + 24 + 19 * 3, kX + 1, kY + 30, kX + 2, kY + 24});
    ExpectPixels(s, rgb::LightGrey, {kX + 50, kY + 24});
    ExpectPixels(s, rgb::DarkGrey, {kX + 115, kY + 30});
    // The heading rules, cut by their titles.
    const platform::Rgb groove{63, 63, 63};
    ExpectPixels(s, groove, {kX + 3, kY + 12, kX + 3, kY + 23 + 19 * 6 - 9});
    EXPECT_NE(s.Pixel(kX + 58, kY + 12), groove);
    SaveShot("popup_menu");
  });
  os.MouseMove(350, RowY(6));  // a heading: the bar stays
  os.Click(350, RowY(6));
  EXPECT_EQ(Menu(), 3);

  os.MouseMove(350, RowY(9)).MouseMove(600, 200).Key(vk::kDown).Key(vk::kReturn);
  EXPECT_EQ(Menu(), 11);
}

TEST_F(PopupMenuTest, Clicks) {
  os.Click(200, 200);  // left of the menu
  EXPECT_EQ(Menu(), kPopupClickedOutside);
  os.Click(350, 10);  // within the columns, top rows
  EXPECT_EQ(Menu(), kPopupClickedOutside);
  os.Click(kX, RowY(3));  // on the box's edge
  EXPECT_EQ(Menu(), kPopupClickedOutside);
  os.Click(350, 420);  // below the box
  EXPECT_EQ(Menu(), 1);
  os.MouseMove(350, RowY(15)).Click(350, RowY(15));
  EXPECT_EQ(Menu(), 15);
  EXPECT_TRUE(ScreenRestored());
}

}  // namespace
}  // namespace vorlanz
