#include "widgets/tab_row.h"

#include <string>

#include "model/characters.h"
#include "model/rounding.h"
#include "platform/platform.h"
#include "widgets/dialog_state.h"
#include "widgets/hotkey_label.h"
#include "widgets/logic/text_cells.h"
#include "widgets/palette.h"
#include "widgets/primitives.h"
#include "widgets/push_button.h"
#include "widgets/screen_text.h"

namespace vorlanz {

namespace {

constexpr int kTabBottom = 30;

}  // namespace

void DrawTabRow(int selected, std::string_view items) {
  SetColours(kBlack, kLightGrey);
  SelectFont(8);
  const platform::Surface& screen = CurrentSurface();
  const int w = screen.width();
  const int h = screen.height();

  DrawPanelFrame(6, kTabBottom, w - 6, h - 6);
  // Wipes the raised top edge of the tab that was open before.
  DrawLine(6, 9, w - 6, 9, kLightGrey);

  DialogState& dialog = Dialog();
  dialog.TabCount = 0;
  dialog.TabRight[0] = 8;
  int x = 8;
  std::string_view rest = items;
  for (std::size_t bar = rest.find('|');
       bar != std::string_view::npos && dialog.TabCount + 1 < kTabSlots; bar = rest.find('|')) {
    const std::string_view label = rest.substr(0, bar);
    const int n = CharCount(label);
    // Keys reach the dialogs upper-cased, so the hot key is kept so too.
    std::string hotkey = UpperCaseText(DrawHotkeyLabel(x + 8, 29, label));
    rest.remove_prefix(bar + 1);
    const int tab = ++dialog.TabCount;
    dialog.TabHotkey[static_cast<std::size_t>(tab)] = std::move(hotkey);
    dialog.TabRight[static_cast<std::size_t>(tab)] = x + 8 * n + 6;
    DrawTab(tab == selected, x, n);
    x += 8 * n + 7;
  }
}

void DrawTab(bool selected, int x, int length) {
  const int s = selected ? 1 : 0;
  const int x2 = x + 8 * length + 6;
  const int top = 10 - s;

  SetColours(kWhite, kLightGrey);
  DrawLine(x, top, x2, top, kWhite);
  DrawLine(x, top, x, kTabBottom, kWhite);
  for (int k = 0; k <= 1; ++k) DrawLine(x2 - k, top + k, x2 - k, kTabBottom, kBlack);
  DrawLine(x + 1, kTabBottom, x2 - 1, kTabBottom, selected ? kLightGrey : kWhite);
  // The open tab loses the top edge it had while closed.
  if (selected) DrawLine(x + 1, top + 1, x2 - 1, top + 1, kLightGrey);
  SetColours(kBlack, kLightGrey);
}

void DrawTabDialogButton(TabButton button, ButtonLook look) {
  const DialogState& dialog = Dialog();
  const int pressed = static_cast<int>(look);
  if (button == TabButton::Cancel) {
    DrawPushButton(pressed, dialog.CancelLeft, dialog.ButtonTop, kTabButtonChars, "_ABBRUCH");
  } else {
    DrawPushButton(pressed, dialog.OkLeft, dialog.ButtonTop, kTabButtonChars, "_OK");
  }
}

void DrawPanelFrame(int x1, int y1, int x2, int y2) {
  SetColours(kBlack, kLightGrey);
  DrawLine(x1, y1, x2 - 1, y1, kWhite);
  DrawLine(x1, y1, x1, y2 - 1, kWhite);
  for (int k = 0; k <= 1; ++k) {
    DrawLine(x1 + k, y2 - k, x2, y2 - k, kBlack);
    DrawLine(x2 - k, y1 + k, x2 - k, y2, kBlack);
  }
  CurrentSurface().SetPenColour(PaletteColour(kBlack));
}

void DrawTabDialogFrame(int width, int height, const TabDialogButtons& buttons) {
  DialogState& dialog = Dialog();
  EtchedLine(10, height - 47, width - buttons.separator_margin, height - 47);
  const int half = RoundHalfEven(width, 2);
  dialog.ButtonTop = height - 40;
  dialog.OkLeft = half + buttons.ok_from_middle;
  dialog.CancelLeft = half + buttons.cancel_from_middle;
  DrawTabDialogButton(TabButton::Ok, ButtonLook::Normal);
  DrawTabDialogButton(TabButton::Cancel, ButtonLook::Normal);
  DrawTabRow(dialog.CurrentTab, dialog.TabItems);
  SetColours(kBlack, kLightGrey);
}

}  // namespace vorlanz
