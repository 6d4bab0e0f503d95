#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "support/rgb.h"
#include "support/screen_test.h"
#include "support/text_probe.h"
#include "widgets/alert_box.h"
#include "widgets/dialog_state.h"
#include "widgets/logic/alert_layout.h"
#include "widgets/palette.h"
#include "widgets/screen_text.h"

namespace vorlanz {
namespace {

namespace vk = platform::vk;

constexpr const char* kQuit = "Programm beenden?";
constexpr const char* kYesNo = "_JA|_NEIN";

TEST(AlertLayout, QuitQuestionInTheMainWindow) {
  const AlertLayout box = LayOutAlert(true, 0, 0, kQuit, kYesNo, 788, 435);
  // 20 characters of text at least; 435 / 2 rounds to the even 218; the
  // button spacing 224 / 3 = 75 puts the centres at x + 75 and x + 150.
  const int x = 394 - 100;
  const int y = 218 - 42;
  EXPECT_EQ((std::array{box.button_chars, box.last, box.width, box.x, box.y, box.x2, box.y2}),
            (std::array{4, 1, 184, x, y, x + 184 + 40, y + 84}));
  EXPECT_EQ((std::array{box.button_y, box.button_x[0], box.button_x[1]}),
            (std::array{y + 84 - 39, x + 75 - 26, x + 150 - 26}));
  EXPECT_EQ(box.hotkeys[0], "J");
  EXPECT_EQ(box.hotkeys[1], "N");
  EXPECT_EQ(box.TextX(0), box.x + 112 - 4 * 17);
}

TEST(AlertLayout, LinesAndHotkeys) {
  const AlertLayout cut = LayOutAlert(true, 0, 0, "1|2|3|4|5|6|7|8|9|10|11|12", "_OK", 788, 435);
  EXPECT_EQ(cut.lines.size(), 10u);
  EXPECT_EQ(cut.lines[9], "10");
  EXPECT_EQ(cut.line_count, 11);
  EXPECT_EQ(cut.y2 - cut.y, 20 * 11 + 64);

  // A label without "_" takes the hot key of the next label that has one,
  // or its own first letter when none follows.
  const AlertLayout keys = LayOutAlert(true, 0, 0, "x", "ja|_Nein|weiter", 788, 435);
  EXPECT_EQ(keys.hotkeys[0], "N");
  EXPECT_EQ(keys.hotkeys[1], "N");
  EXPECT_EQ(keys.hotkeys[2], "W");
  EXPECT_EQ(keys.button_chars, 5);

  const AlertLayout at = LayOutAlert(false, 0, 0, "Alle Tipps (0-9) löschen?", kYesNo, 788, 435);
  EXPECT_EQ(at.width, 8 * 25 + 24);
  EXPECT_EQ(at.x2, at.width + 16);  // 24 pixels narrower than a centred box
}

class AlertBoxTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    // Something under the box to put back.
    for (int y = 0; y < kMainHeight; y += 7) FillArea(0, y, kMainWidth - 1, y + 2, y % 16);
    SetColours(kBlack, kWhite);
    DrawText(300, 200, "Hintergrund unter dem Kasten");
    before_ = Checksum(main_screen());
  }
  // The box of the quit question, as drawn in the main window.
  AlertLayout QuitBox() const {
    return LayOutAlert(true, 0, 0, kQuit, kYesNo, kMainWidth, kMainHeight);
  }
  int AskQuit() { return AlertBox(1, 0, 0, kQuit, 3, kYesNo); }
  bool ScreenRestored() { return Checksum(main_screen()) == before_; }

  std::uint64_t before_ = 0;
};

TEST_F(AlertBoxTest, QuitQuestionByKeys) {
  struct Case {
    const char* name;
    std::function<void(platform::HeadlessPlatform&)> script;
    int answer;
  };
  const Case cases[] = {
      {"J", [](auto& p) { p.Key('J'); }, 1},
      {"N", [](auto& p) { p.Key('N'); }, 2},
      {"Escape", [](auto& p) { p.Key(vk::kEscape); }, 99},
      {"Return alone does nothing", [](auto& p) { p.Key(vk::kReturn).Key('J'); }, 1},
      {"Left, Return", [](auto& p) { p.Key(vk::kLeft).Key(vk::kReturn); }, 2},
      {"Right, Return", [](auto& p) { p.Key(vk::kRight).Key(vk::kReturn); }, 1},
      {"Left wraps", [](auto& p) { p.Key(vk::kLeft).Key(vk::kLeft).Key(vk::kReturn); }, 1},
      {"Right wraps", [](auto& p) { p.Key(vk::kRight).Key(vk::kRight).Key(vk::kReturn); }, 2},
      {"other keys", [](auto& p) { p.Key('X').Key(vk::kUp).Key(vk::kF1).Key('N'); }, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.script(os);
    EXPECT_EQ(AskQuit(), c.answer);
    EXPECT_TRUE(ScreenRestored());
    os.Clear();  // the last key's release
  }
}

// A click on a button answers; a click on its edge or elsewhere on the panel
// is absorbed; the right button cancels anywhere.
TEST_F(AlertBoxTest, QuitQuestionByMouse) {
  const AlertLayout box = QuitBox();
  const int y = box.button_y + 10;
  os.Click(box.button_x[0], y).Click(box.button_x[0] + 1, box.button_y + 29);  // edges
  os.Click(box.button_x[0] + 10, y);
  EXPECT_EQ(AskQuit(), 1);
  EXPECT_TRUE(ScreenRestored());
  EXPECT_TRUE(os.ScriptDone());  // the click's release is flushed
  EXPECT_EQ(os.MouseButtons(), 0);

  os.Key(vk::kLeft).Click(box.x + 20, box.y + 20);  // "NEIN", then the panel
  os.Then([&] {
    const platform::Surface& s = main_screen();
    EXPECT_EQ(s.Pixel(box.button_x[0], box.button_y + 10), rgb::White);     // "JA" raised
    EXPECT_EQ(s.Pixel(box.button_x[1], box.button_y + 10), rgb::DarkGrey);  // "NEIN" pressed
  });
  os.Click(box.button_x[1] + 10, y);
  EXPECT_EQ(AskQuit(), 2);
  EXPECT_TRUE(ScreenRestored());

  // A press discards the keys typed ahead of it.
  os.MouseDown(box.x + 20, box.y + 20).TypingAhead().Key('J').TypingAhead(false);
  os.MouseUp().Key('N');
  EXPECT_EQ(AskQuit(), 2);

  os.MouseDown(10, 10, platform::kRightButton);  // anywhere
  EXPECT_EQ(AskQuit(), 99);
  EXPECT_TRUE(ScreenRestored());
}

TEST_F(AlertBoxTest, KeypadDigitsAndF1ActAsLetters) {
  os.Key(vk::kNumpad0 + 1);
  EXPECT_EQ(AlertBox(1, 0, 0, "Eingabe abbrechen?", 3, "_ABBRUCH|_PAUSE"), 1);
  os.Key(vk::kF1);
  EXPECT_EQ(AlertBox(1, 0, 0, "Eingabe abbrechen?", 3, "_ABBRUCH|_PAUSE"), 2);
  EXPECT_TRUE(os.help_requests().empty()) << "F1 is a letter here, not the help";
  os.Key(vk::kNumpad0 + 9);
  EXPECT_EQ(AlertBox(1, 0, 0, "x", 3, "_Ich|_Du"), 1);
  EXPECT_TRUE(ScreenRestored());
}

TEST_F(AlertBoxTest, SingleButtonIgnoresArrowsAndReturn) {
  os.Key(vk::kLeft).Key(vk::kRight).Key(vk::kReturn).Key('O');
  EXPECT_EQ(AlertBox(1, 0, 0, "Die NORM-Reihe fehlt noch!|* * *|Bitte eingeben!", 2, "_OK"), 1);
  EXPECT_EQ(os.ScriptLeft(), 1u);  // only the release of "O" is left

  const AlertLayout box = LayOutAlert(true, 0, 0, "Fertig", "_OK", kMainWidth, kMainHeight);
  os.Click(box.button_x[0] + 5, box.button_y + 5);
  EXPECT_EQ(AlertBox(1, 0, 0, "Fertig", 2, "_OK"), 1);
}

TEST_F(AlertBoxTest, TextStopsAtAnEmptyLine) {
  const char* text = "Erste Zeile||Dritte Zeile";
  const AlertLayout box = LayOutAlert(true, 0, 0, text, "_OK", kMainWidth, kMainHeight);
  EXPECT_EQ(box.y2 - box.y, 20 * 3 + 64);
  os.Then([&] {
    // The third line's row is bare face.
    EXPECT_TRUE(testing::AreaIs(main_screen(), box.x + 12, box.TextBottom(2) - 15, box.x2 - 12,
                                box.TextBottom(2) + 1, rgb::LightGrey));
  });
  os.Key('O');
  EXPECT_EQ(AlertBox(1, 0, 0, text, 2, "_OK"), 1);
}

TEST_F(AlertBoxTest, LooksLikeAGreyPanel) {
  const AlertLayout box = QuitBox();
  os.Then([&] {
    const platform::Surface& s = main_screen();
    EXPECT_EQ(s.Pixel(box.x, box.y + 30), rgb::Black);  // outline
    EXPECT_EQ(s.Pixel(box.x + 1, box.y + 30), rgb::White);
    EXPECT_EQ(s.Pixel(box.x2, box.y + 30), rgb::DarkGrey);
    EXPECT_EQ(s.Pixel(box.x + 30, box.separator_y), (platform::Rgb{63, 63, 63}));
    EXPECT_EQ(s.Pixel(box.x + 30, box.separator_y + 1), rgb::White);
    SaveShot("alert_box");
  });
  os.Key('N');
  EXPECT_EQ(AskQuit(), 2);
  EXPECT_TRUE(ScreenRestored());
}

TEST_F(AlertBoxTest, UncentredBoxStandsWhereItIsPut) {
  os.Then([&] { EXPECT_EQ(main_screen().Pixel(20, 20 + 30), rgb::Black); });
  os.Key(vk::kEscape);
  EXPECT_EQ(AlertBox(0, 20, 20, kQuit, 3, kYesNo), 99);
  EXPECT_TRUE(ScreenRestored());
}

}  // namespace
}  // namespace vorlanz
