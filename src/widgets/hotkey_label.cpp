#include "widgets/hotkey_label.h"

#include "widgets/logic/hotkey_scan.h"
#include "widgets/palette.h"
#include "widgets/screen_text.h"

namespace vorlanz {

std::string DrawHotkeyLabel(int x, int y, std::string_view label) {
  const ScannedLabel scan = ScanLabel(label);
  const int top = y - 14;
  SetColours(kBlack, kLightGrey);
  DrawText(x, top, scan.shown);
  if (scan.hotkey_pos > 0) {
    SetColours(kDarkRed, kLightGrey);
    DrawText(x + (scan.hotkey_pos - 1) * 8, top, scan.hotkey_letter);
    SetColours(kBlack, kLightGrey);
  }
  return scan.hotkey_letter;
}

}  // namespace vorlanz
