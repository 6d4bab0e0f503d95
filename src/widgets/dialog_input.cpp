#include "widgets/dialog_input.h"

#include "platform/platform.h"
#include "widgets/dialog_state.h"
#include "widgets/tab_row.h"

namespace vorlanz {

namespace {

constexpr int kButtonRowHeight = 31;
constexpr int kButtonWidth = 79;
// F1 as the digit field reads it: the character whose code is 0x70.
constexpr char kF1Character = 'p';

// The dialog key of a mouse press at (mx, my), if it hits the tab row or the
// button row.
void HitTest(DialogState& dialog, int mx, int my) {
  if (my >= 10 && my <= 30 && mx > 7) {
    dialog.DialogKey.clear();
    for (int i = 0; i <= dialog.TabCount; ++i) {
      if (dialog.TabRight[static_cast<std::size_t>(i)] >= mx) {
        dialog.DialogKey = dialog.TabHotkey[static_cast<std::size_t>(i)];
        break;
      }
    }
  }
  if (my >= dialog.ButtonTop && my < dialog.ButtonTop + kButtonRowHeight) {
    if (mx >= dialog.CancelLeft && mx < dialog.CancelLeft + kButtonWidth) {
      dialog.DialogKey = "X";
      dialog.LeaveFlag = true;
    } else if (mx < dialog.CancelLeft && mx >= dialog.OkLeft && mx < dialog.OkLeft + kButtonWidth) {
      dialog.DialogKey = "O";
      dialog.OkFlag = true;
    }
  }
}

}  // namespace

void DialogInputStep() {
  DialogState& dialog = Dialog();
  dialog.LeaveFlag = false;
  dialog.OkFlag = false;
  dialog.TabChanged = false;
  if (dialog.DialogKey == "X") dialog.LeaveFlag = true;

  platform::Platform& os = platform::Current();
  if (os.MouseButtons() != 0) {
    const platform::Point mouse = os.MousePosition();
    HitTest(dialog, mouse.x, mouse.y);
  }

  if (!dialog.DialogKey.empty() && dialog.DialogKey[0] == kF1Character) {
    dialog.LeaveFlag = true;
    ShowHelpTopic(dialog.HelpTopic);
  }

  if (!dialog.DialogKey.empty()) {
    for (int i = 1; i <= dialog.TabCount; ++i) {
      if (dialog.TabHotkey[static_cast<std::size_t>(i)] != dialog.DialogKey) continue;
      if (i != dialog.CurrentTab) {
        dialog.CurrentTab = i;
        dialog.TabIndex = i;
        dialog.TabChanged = true;
        DrawTabRow(i, dialog.TabItems);
      }
      break;
    }
  }

  if (dialog.FieldKey == "O") dialog.OkFlag = true;
}

void FlushInput() {
  platform::Platform& os = platform::Current();
  while (os.PollEvent().kind != platform::EventKind::None) {
  }
  WaitForMouseRelease();
}

void WaitForMouseRelease() {
  platform::Platform& os = platform::Current();
  while (os.MouseButtons() != 0) os.WaitEvent();
}

void ShowHelpTopic(std::string_view keyword) {
  platform::Current().ShowHelp(keyword);
}

}  // namespace vorlanz
