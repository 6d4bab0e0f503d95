#include "widgets/hotkey_label.h"

#include "widgets/dialog_state.h"
#include "widgets/logic/hotkey_scan.h"
#include "widgets/palette.h"
#include "widgets/screen_text.h"

namespace vorlanz {

std::string ScanHotkeyLabel(std::string_view label) {
  ScannedLabel scan = ScanLabel(label);
  Dialog().HotkeyPos = scan.hotkey_pos;
  Dialog().HotkeyLetter = scan.hotkey_letter;
  return std::move(scan.shown);
}

void DrawHotkeyLabel(int x, int y, std::string_view label) {
  const std::string shown = ScanHotkeyLabel(label);
  const int top = y - 14;
  SetColours(kBlack, kLightGrey);
  DrawText(x, top, shown);
  const DialogState& dialog = Dialog();
  if (dialog.HotkeyPos > 0) {
    SetColours(kDarkRed, kLightGrey);
    DrawText(x + (dialog.HotkeyPos - 1) * 8, top, dialog.HotkeyLetter);
    SetColours(kBlack, kLightGrey);
  }
}

}  // namespace vorlanz
