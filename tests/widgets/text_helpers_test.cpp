#include <gtest/gtest.h>

#include "widgets/logic/hotkey_scan.h"
#include "widgets/logic/text_cells.h"

namespace vorlanz {
namespace {

TEST(Cells, RightAlignsAndNeverTruncates) {
  EXPECT_EQ(Cells(7, 3), "  7");
  EXPECT_EQ(Cells(-12, 4), " -12");
  EXPECT_EQ(Cells(12345, 3), "12345");
  EXPECT_EQ(Cells(42, 1), "42");
  EXPECT_EQ(Cells(0, 0), "0");
  EXPECT_EQ(Blanks(3), "   ");
  EXPECT_EQ(Blanks(-2), "");
}

TEST(CharCount, CountsCharactersNotBytes) {
  EXPECT_EQ(CharCount("Prüfung"), 7);
  EXPECT_EQ(CharCount(""), 0);
  EXPECT_EQ(CharSlice("auswählen", 4, 2), "äh");
  EXPECT_EQ(CharSlice("ab", 1, 5), "b");
  EXPECT_EQ(CharsFrom("-DATEN", 1), "DATEN");
  EXPECT_EQ(CharsFrom("ä", 3), "");
}

TEST(KeyCharacter, TakesTheKeyCodeAsACharacter) {
  EXPECT_EQ(UpperKeyCharacter('J'), "J");
  EXPECT_EQ(UpperKeyCharacter(0x70), "P");  // F1
  EXPECT_EQ(UpperKeyCharacter(0x61), "A");  // keypad 1
  EXPECT_EQ(UpperKeyCharacter(0x69), "I");  // keypad 9
  EXPECT_EQ(UpperKeyCharacter(0x60), "`");  // keypad 0 has no letter
  EXPECT_EQ(KeyCharacter(0x70), "p");
  EXPECT_EQ(KeyCharacter(27), "\x1b");
  EXPECT_EQ(KeyCharacter(0), "");
  EXPECT_EQ(UpperCaseChar("ü"), "Ü");
  EXPECT_EQ(UpperCaseChar("ß"), "ß");
}

TEST(RoundedQuotient, RoundsHalvesToEven) {
  EXPECT_EQ(RoundedQuotient(435, 2), 218);
  EXPECT_EQ(RoundedQuotient(433, 2), 216);
  EXPECT_EQ(RoundedQuotient(224, 3), 75);
  EXPECT_EQ(RoundedQuotient(7, 2), 4);
  EXPECT_EQ(RoundedQuotient(-7, 2), -4);
  EXPECT_EQ(RoundedQuotient(-5, 2), -2);
  EXPECT_EQ(RoundedQuotient(10, 4), 2);
}

TEST(LabelScan, PutsABlankWhereTheHotkeyLetterGoes) {
  ScannedLabel ok = ScanLabel("_OK");
  EXPECT_EQ(ok.shown, " K");
  EXPECT_EQ(ok.hotkey_pos, 1);
  EXPECT_EQ(ok.hotkey_letter, "O");

  ScannedLabel choose = ScanLabel(" auswä_hlen");
  EXPECT_EQ(choose.shown, " auswä len");
  EXPECT_EQ(choose.hotkey_pos, 7);
  EXPECT_EQ(choose.hotkey_letter, "h");

  ScannedLabel umlaut = ScanLabel("_Übung");
  EXPECT_EQ(umlaut.shown, " bung");
  EXPECT_EQ(umlaut.hotkey_letter, "Ü");

  ScannedLabel plain = ScanLabel("Plain");
  EXPECT_EQ(plain.shown, "Plain");
  EXPECT_EQ(plain.hotkey_pos, 0);
  EXPECT_EQ(plain.hotkey_letter, "");
}

TEST(LabelScan, SplitsAtBars) {
  EXPECT_EQ(SplitAtBars("a|b|").size(), 3u);
  EXPECT_EQ(SplitAtBars("").size(), 1u);
  EXPECT_EQ(SplitAtBars("x||y")[1], "");
}

}  // namespace
}  // namespace vorlanz
