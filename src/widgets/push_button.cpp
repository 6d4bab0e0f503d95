#include "widgets/push_button.h"

#include "platform/platform.h"
#include "widgets/logic/hotkey_scan.h"
#include "widgets/primitives.h"
#include "widgets/screen_text.h"

namespace vorlanz {

void DrawPushButton(int pressed, int x, int y, int chars, std::string_view label) {
  const ScannedLabel scan = ScanLabel(label);
  const std::string& shown = scan.shown;
  const int w = 8 * chars;

  BevelBox(1, 2, x - 2, y - 2, x + w + 22, y + 29);
  if (pressed) {
    BevelBox(1, 2, x - 1, y - 1, x + w + 21, y + 28);
  } else {
    BevelBox(0, 2, x, y, x + w + 20, y + 27);
  }

  const int lx = x + 14 + pressed + 4 * (chars - 1 - CharCount(shown));
  const int ly = y + 22 + pressed;
  EmbossedText(8, 0, lx, ly, shown);
  if (scan.hotkey_pos > 0) {
    int hx = lx + 8 * (scan.hotkey_pos - 1);
    if (scan.hotkey_pos == 1) --hx;
    if (scan.hotkey_letter == "O" || scan.hotkey_letter == "J") --hx;
    ShadedLabel(1, 8, hx, ly, scan.hotkey_letter);
  }
  // The caption leaves merge mode, in which black lines would not show.
  CurrentSurface().SetPenMode(platform::PenMode::Copy);
}

}  // namespace vorlanz
