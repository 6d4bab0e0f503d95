#include <gtest/gtest.h>

#include "widgets/logic/hotkey_scan.h"
#include "widgets/logic/text_cells.h"

namespace vorlanz {
namespace {

TEST(TextCells, NumbersBlanksAndCharacters) {
  EXPECT_EQ(Cells(7, 3), "  7");
  EXPECT_EQ(Cells(-12, 4), " -12");
  EXPECT_EQ(Cells(12345, 3), "12345");  // never cut
  EXPECT_EQ(Cells(42, 1), "42");
  EXPECT_EQ(Blanks(-2), "");
  EXPECT_EQ(CharCount("Prüfung"), 7);
  EXPECT_EQ(CharSlice("auswählen", 4, 2), "äh");
  EXPECT_EQ(CharsFrom("ä", 3), "");
}

TEST(TextCells, KeyCodeTakenAsACharacter) {
  EXPECT_EQ(UpperKeyCharacter(0x70), "P");  // F1
  EXPECT_EQ(UpperKeyCharacter(0x61), "A");  // keypad 1
  EXPECT_EQ(UpperKeyCharacter(0x69), "I");  // keypad 9
  EXPECT_EQ(UpperKeyCharacter(0x60), "`");  // keypad 0
  EXPECT_EQ(KeyCharacter(0x70), "p");
  EXPECT_EQ(KeyCharacter(0), "");
}

TEST(LabelScan, PutsABlankWhereTheHotkeyLetterGoes) {
  const ScannedLabel ok = ScanLabel("_OK");
  EXPECT_EQ(ok.shown, " K");
  EXPECT_EQ(ok.hotkey_pos, 1);
  EXPECT_EQ(ok.hotkey_letter, "O");

  const ScannedLabel choose = ScanLabel(" auswä_hlen");  // positions count characters
  EXPECT_EQ(choose.shown, " auswä len");
  EXPECT_EQ(choose.hotkey_pos, 7);
  EXPECT_EQ(choose.hotkey_letter, "h");

  const ScannedLabel plain = ScanLabel("Plain");
  EXPECT_EQ(plain.shown, "Plain");
  EXPECT_EQ(plain.hotkey_pos, 0);
  EXPECT_EQ(plain.hotkey_letter, "");
}

}  // namespace
}  // namespace vorlanz
