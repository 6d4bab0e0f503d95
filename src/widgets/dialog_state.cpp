#include "widgets/dialog_state.h"

namespace vorlanz {

namespace {

// Far outside every window: no mouse position reaches it.
constexpr int kNoButtonRow = -32768;

}  // namespace

DialogState& Dialog() {
  static DialogState state;
  return state;
}

void ResetDialog() {
  Dialog() = DialogState{};
}

void InitTabRow() {
  DialogState& dialog = Dialog();
  dialog.TabRight.fill(0);
  dialog.TabHotkey.fill(std::string());
  dialog.TabCount = 0;
}

void EndTabDialog() {
  DialogState& dialog = Dialog();
  InitTabRow();
  dialog.TabItems.clear();
  dialog.CurrentTab = 0;
  dialog.TabIndex = 0;
  dialog.ButtonTop = kNoButtonRow;
}

}  // namespace vorlanz
