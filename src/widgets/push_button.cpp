#include "widgets/push_button.h"

#include "platform/platform.h"
#include "widgets/dialog_state.h"
#include "widgets/hotkey_label.h"
#include "widgets/primitives.h"
#include "widgets/screen_text.h"

namespace vorlanz {

void DrawPushButton(int pressed, int x, int y, std::string_view label) {
  const std::string shown = ScanHotkeyLabel(label);
  const DialogState& dialog = Dialog();
  const int w = 8 * dialog.ButtonChars;

  BevelBox(1, 2, x - 2, y - 2, x + w + 22, y + 29);
  if (pressed) {
    BevelBox(1, 2, x - 1, y - 1, x + w + 21, y + 28);
  } else {
    BevelBox(0, 2, x, y, x + w + 20, y + 27);
  }

  const int lx = x + 14 + pressed + 4 * (dialog.ButtonChars - 1 - CharCount(shown));
  const int ly = y + 22 + pressed;
  EmbossedText(8, 0, lx, ly, shown);
  if (dialog.HotkeyPos > 0) {
    int hx = lx + 8 * (dialog.HotkeyPos - 1);
    if (dialog.HotkeyPos == 1) --hx;
    if (dialog.HotkeyLetter == "O" || dialog.HotkeyLetter == "J") --hx;
    ShadedLabel(1, 8, hx, ly, dialog.HotkeyLetter);
  }
  // The caption leaves merge mode, in which black lines would not show.
  CurrentSurface().SetPenMode(platform::PenMode::Copy);
}

}  // namespace vorlanz
