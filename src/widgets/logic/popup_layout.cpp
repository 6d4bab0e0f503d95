#include "widgets/logic/popup_layout.h"

#include <algorithm>

#include "model/characters.h"
#include "widgets/logic/hotkey_scan.h"
#include "widgets/logic/text_cells.h"

namespace vorlanz {

int PopupLayout::FirstBar() const {
  return last > 0 && heading[0] ? 1 : 0;
}

int PopupLayout::NextDown(int i) const {
  for (int j = i + 1; j <= last; ++j) {
    if (Selectable(j)) return j;
  }
  return i;
}

int PopupLayout::NextUp(int i) const {
  for (int j = i - 1; j >= 0; --j) {
    if (Selectable(j)) return j;
  }
  return i;
}

PopupLayout LayOutPopup(int x, int y, std::string_view items) {
  PopupLayout menu;
  for (std::string_view item : SplitAtBars(items)) {
    if (menu.items.size() == kPopupMaxItems) break;
    const bool is_heading = !item.empty() && item[0] == '-';
    menu.items.emplace_back(item);
    menu.heading.push_back(is_heading);
    menu.hotkeys.push_back(is_heading ? std::string()
                                      : UpperCaseText(ScanLabel(item).hotkey_letter));
    menu.max_len = std::max(menu.max_len, CharCount(item));
  }
  menu.last = static_cast<int>(menu.items.size()) - 1;
  menu.x = x;
  menu.y = y;
  menu.x2 = x + 8 * menu.max_len + 13;
  menu.y2 = y + 19 * menu.last + 30;
  menu.row_x = x + 7;
  return menu;
}

}  // namespace vorlanz
