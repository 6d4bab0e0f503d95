#include "widgets/dialog_input.h"

#include "platform/platform.h"
#include "widgets/dialog_state.h"
#include "widgets/tab_row.h"

namespace vorlanz {

namespace {

constexpr int kButtonRowHeight = 31;
// The hit area of a push button: its left edge and the 78 pixels after it.
constexpr ButtonSpan kButtonSpan{0, 78};
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
  switch (HitPushButtons({mx, my}, kButtonSpan, kButtonSpan)) {
    case ButtonHit::Cancel:
      dialog.DialogKey = "X";
      dialog.LeaveFlag = true;
      break;
    case ButtonHit::Ok:
      dialog.DialogKey = "O";
      dialog.OkFlag = true;
      break;
    case ButtonHit::None:
      break;
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

  // The help opens beside the dialog, which stays open for the answer.
  if (!dialog.DialogKey.empty() && dialog.DialogKey[0] == kF1Character) {
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

ButtonHit HitPushButtons(platform::Point at, ButtonSpan ok, ButtonSpan cancel) {
  const DialogState& dialog = Dialog();
  if (at.y < dialog.ButtonTop || at.y >= dialog.ButtonTop + kButtonRowHeight)
    return ButtonHit::None;
  const auto within = [&at](int left, ButtonSpan span) {
    return at.x >= left + span.from && at.x <= left + span.to;
  };
  if (within(dialog.CancelLeft, cancel)) return ButtonHit::Cancel;
  if (within(dialog.OkLeft, ok)) return ButtonHit::Ok;
  return ButtonHit::None;
}

void FlushInput() {
  platform::Platform& os = platform::Current();
  while (os.PollEvent().kind != platform::EventKind::None) {
  }
  os.ForgetPressedKeys();
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
