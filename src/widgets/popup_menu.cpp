#include "widgets/popup_menu.h"

#include <algorithm>
#include <string>

#include "platform/platform.h"
#include "widgets/dialog_state.h"
#include "widgets/hotkey_label.h"
#include "widgets/logic/popup_layout.h"
#include "widgets/palette.h"
#include "widgets/primitives.h"
#include "widgets/screen_text.h"

namespace vorlanz {

namespace {

constexpr int kChoicePauseMs = 200;
constexpr int kTopRows = 21;  // a click above this row closes the menu

constexpr int kBevelDepth = 2;

// The edges of the menu shown last: the selection bar reaches into their
// bevels.
int g_menu_left = 0;
int g_menu_right = 0;

void DrawHeading(const PopupLayout& menu, int i) {
  const std::string& item = menu.items[static_cast<std::size_t>(i)];
  const int line = menu.TextLine(i) + (i == 0 ? -2 : 0);
  EtchedLine(menu.x + 3, line - 9, menu.x2 - 4, line - 9);
  const int length = CharCount(item);
  if (length <= 1) return;
  // Clears the groove under the title, then centres the title on the item
  // column.
  EmbossedText(14, kLightGrey, menu.row_x + 4 * (menu.max_len - length) - 1, line, Blanks(length));
  EmbossedText(8, kBlack, menu.row_x + 4 * (menu.max_len - length + 1), line, CharsFrom(item, 1));
}

class PopupRun {
 public:
  explicit PopupRun(const PopupLayout& menu) : menu_(menu) {}

  void Draw();
  int Run();

 private:
  void MoveBar(int i) {
    SelectionBar(0, menu_.row_x, menu_.BarLine(bar_));
    bar_ = i;
    SelectionBar(1, menu_.row_x, menu_.BarLine(bar_));
  }
  void FollowPointer();
  int Close(int result) {
    CurrentSurface().RestoreArea(saved_);
    return result;
  }

  const PopupLayout& menu_;
  int bar_ = 0;
  platform::SavedArea saved_;
};

void PopupRun::Draw() {
  DialogState& dialog = Dialog();
  for (std::size_t i = 0; i < menu_.items.size(); ++i) {
    dialog.PopupHotkeys[i] = menu_.hotkeys[i];
  }
  g_menu_left = menu_.x;
  g_menu_right = menu_.x2;

  saved_ = CurrentSurface().SaveArea(menu_.x, menu_.y, menu_.x2, menu_.y2);
  BevelBox(0, kBevelDepth, menu_.x, menu_.y, menu_.x2, menu_.y2);
  SelectFont(8);
  for (int i = 0; i <= menu_.last; ++i) {
    if (menu_.heading[static_cast<std::size_t>(i)]) {
      DrawHeading(menu_, i);
    } else {
      DrawHotkeyLabel(menu_.row_x, menu_.TextLine(i), menu_.items[static_cast<std::size_t>(i)]);
    }
  }
  bar_ = menu_.FirstBar();
  SelectionBar(1, menu_.row_x, menu_.BarLine(bar_));
  SetColours(kBlack, kLightGrey);

  // Keys typed before the menu appeared do not count, nor does the button
  // press that opened it.
  platform::Platform& os = platform::Current();
  while (os.PendingKey() != 0) {
  }
  while (os.MouseButtons() != 0) os.WaitEvent();
}

void PopupRun::FollowPointer() {
  const platform::Point mouse = platform::Current().MousePosition();
  const int bar_y = menu_.BarLine(bar_);
  const bool inside =
      mouse.y > menu_.y + 4 && mouse.y < menu_.y2 - 7 && mouse.x > menu_.x && mouse.x < menu_.x2;
  const bool off_bar = mouse.y > bar_y - 3 || mouse.y < bar_y - 22;
  if (!inside || !off_bar) return;
  const int item = menu_.ItemAtY(mouse.y);
  if (menu_.Selectable(item)) MoveBar(item);
}

int PopupRun::Run() {
  platform::Platform& os = platform::Current();
  DialogState& dialog = Dialog();
  for (;;) {
    FollowPointer();

    dialog.DialogKey.clear();
    const platform::Event event = os.WaitEvent();
    if (event.message() == platform::kMsgKeyDown) dialog.DialogKey = KeyCharacter(event.key);
    const bool pressed = event.kind == platform::EventKind::MouseDown && os.MouseButtons() != 0;
    if (dialog.DialogKey.empty() && !pressed) continue;

    if (pressed) {
      const platform::Point mouse = os.MousePosition();
      const bool in_columns = mouse.x > menu_.x && mouse.x < menu_.x2 && mouse.y > kTopRows;
      return Close(in_columns ? bar_ : kPopupClickedOutside);
    }

    const int key = event.key;
    if (const char digit = platform::KeypadDigit(key)) {
      dialog.DialogKey = std::string(1, digit);
    } else if (key == platform::vk::kDown) {
      const int next = menu_.NextDown(bar_);
      if (next != bar_) MoveBar(next);
    } else if (key == platform::vk::kUp) {
      const int next = menu_.NextUp(bar_);
      if (next != bar_) MoveBar(next);
    } else if (key == platform::vk::kRight) {
      return Close(kPopupRightArrow);
    } else if (key == platform::vk::kLeft) {
      return Close(kPopupLeftArrow);
    } else if (key == platform::vk::kReturn) {
      dialog.DialogKey = menu_.hotkeys[static_cast<std::size_t>(bar_)];
    }

    // Headings have no hot key and are never chosen by one.
    for (int i = 0; i <= menu_.last; ++i) {
      const std::string& hotkey = menu_.hotkeys[static_cast<std::size_t>(i)];
      if (!hotkey.empty() && dialog.DialogKey == hotkey) {
        if (i != bar_) MoveBar(i);
        os.Pause(kChoicePauseMs);
        return Close(i);
      }
    }

    if (os.MouseButtons() == platform::kRightButton || dialog.DialogKey.empty()) {
      return Close(kPopupCancelled);
    }
  }
}

}  // namespace

void SelectionBar(int on, int row_x, int bar_y) {
  const int left = row_x - 6;
  const int right = g_menu_right - 2;
  const int bottom = bar_y - 3;
  const int top = bottom - 19;
  // The bar's ends cover the inner columns of the box's light left bevel
  // and its innermost dark right line.
  const int bevel_right = std::max(left, g_menu_left + kBevelDepth);
  if (on) {
    FillArea(left, top, right, top, kBlack);
    FillArea(left, bottom, right, bottom, kWhite);
    FillArea(left, top + 1, bevel_right, bottom - 1, kLightGrey);
    FillArea(right, top + 1, right, bottom - 1, kLightGrey);
  } else {
    FillArea(left, top, right, top, kLightGrey);
    FillArea(left, bottom, right, bottom, kLightGrey);
    FillArea(left, top, bevel_right, bottom, kWhite);
    FillArea(right, top, right, bottom, kDarkGrey);
  }
}

int PopupMenu(int x, int y, std::string_view items) {
  const PopupLayout menu = LayOutPopup(x, y, items);
  PopupRun run(menu);
  run.Draw();
  return run.Run();
}

}  // namespace vorlanz
