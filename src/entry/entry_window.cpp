#include "entry/entry_window.h"

#include <string>

#include "model/characters.h"
#include "widgets/dialog_input.h"
#include "widgets/dialog_state.h"
#include "widgets/palette.h"
#include "widgets/primitives.h"
#include "widgets/screen_text.h"
#include "widgets/tab_row.h"

namespace vorlanz {

namespace {

constexpr int kWindowTop = 41;
constexpr int kOuterWidth = 194;
constexpr int kOuterHeight = 351;
constexpr int kPanelLeft = 10;
constexpr int kPanelTop = 36;
constexpr int kPanelWidth = 170;
constexpr int kTabRowTop = 10;
constexpr int kTabRowBottom = 30;
constexpr int kClosePause = 100;
constexpr TabDialogButtons kEntryButtons{
    .separator_margin = 14, .ok_from_middle = -79, .cancel_from_middle = 1};

enum CommandOffset { kConfirm = 0, kCancel = 2, kFirstTab = 4, kSecondTab = 6 };

platform::Platform& Os() {
  return platform::Current();
}

// Letters of keys typed straight into the window count as hot keys.
std::string KeyOfCharacter(int ch) {
  if (ch <= 0 || ch > 0x7e) return {};
  return std::string(1, static_cast<char>(UpperCase(static_cast<char32_t>(ch))));
}

void SwitchTab(int tab) {
  DialogState& dialog = Dialog();
  dialog.TabIndex = tab;
  dialog.CurrentTab = tab;
  dialog.TabChanged = true;
  DrawTabRow(tab, dialog.TabItems);
}

void HandleCommand(const EntryLayout& layout, int command) {
  DialogState& dialog = Dialog();
  switch (command - layout.command_base) {
    case kConfirm:
      dialog.DialogKey = "O";
      break;
    case kCancel:
      dialog.DialogKey = "X";
      dialog.LeaveFlag = true;
      break;
    case kFirstTab:
      dialog.DialogKey = "N";
      if (dialog.TabIndex == 2) SwitchTab(1);
      break;
    case kSecondTab:
      dialog.DialogKey = "G";
      if (dialog.TabIndex == 1) SwitchTab(2);
      break;
    default:
      break;
  }
}

void HandleKeyDown(int key) {
  DialogState& dialog = Dialog();
  if (key == platform::vk::kEscape) {
    dialog.DialogKey = "X";
  } else if (key == platform::vk::kF1) {
    ShowHelpTopic(dialog.HelpTopic);
  }
}

// A held left button on the tab row or on one of the two buttons. The hit
// areas follow the buttons: OK spans OkLeft .. OkLeft + 78, ABBRUCH
// CancelLeft + 1 .. CancelLeft + 79.
void HandleMouse(const EntryWindow& entry) {
  platform::Platform& os = Os();
  if ((os.MouseButtons() & platform::kLeftButton) == 0) return;
  os.SelectWindow(entry.window);
  const platform::Point at = os.MousePosition();
  DialogState& dialog = Dialog();
  if (at.y >= kTabRowTop && at.y <= kTabRowBottom) {
    DialogInputStep();
    WaitForMouseRelease();
    return;
  }
  switch (HitPushButtons(at, {0, 78}, {1, 79})) {
    case ButtonHit::Ok:
      DrawOkPressed(entry);
      dialog.DialogKey = "O";
      break;
    case ButtonHit::Cancel:
      DrawCancelPressed(entry);
      dialog.DialogKey = "X";
      dialog.LeaveFlag = true;
      break;
    case ButtonHit::None:
      break;
  }
}

void BuildPanel(EntryWindow& entry, const EntryLayout& layout, const EntryFields& fields) {
  platform::Platform& os = Os();
  entry.panel = os.OpenPanel(entry.window, kPanelLeft, kPanelTop, kPanelWidth, layout.panel_height);
  os.SelectWindow(entry.panel);
  FillArea(0, 0, kPanelWidth - 1, layout.panel_height - 1, kLightGrey);
  UseScreenText();
  fields.create(entry.panel, Dialog().TabIndex);
  for (const EntryLayout::Accelerator& accelerator : layout.accelerators) {
    os.AddAccelerator(entry.window, accelerator.letter, accelerator.command);
  }
  // Keypad 0..2, Enter and Down move on to the next field, in step with the
  // keys however fast they are typed.
  if (layout.keys_move_on) {
    os.SetFieldAdvanceKeys(
        entry.panel, {platform::vk::kNumpad0, platform::vk::kNumpad0 + 1,
                      platform::vk::kNumpad0 + 2, platform::vk::kReturn, platform::vk::kDown});
  }
  os.FocusField(layout.first_field);
  os.SelectWindow(entry.window);
}

}  // namespace

EntryWindow OpenEntryWindow(const EntryLayout& layout, int kind) {
  platform::Platform& os = Os();
  EntryWindow entry;
  entry.window = os.OpenWindow(layout.title, layout.left, kWindowTop, kOuterWidth, kOuterHeight);
  os.SelectWindow(entry.window);
  const int width = os.Screen().width();
  const int height = os.Screen().height();
  FillArea(0, 0, width, height, kLightGrey);

  DialogState& dialog = Dialog();
  dialog.CurrentTab = kind;
  dialog.TabIndex = kind;
  dialog.TabItems = std::string(layout.tab_items);

  DrawTabDialogFrame(width, height, kEntryButtons);
  return entry;
}

void RunEntryDialog(EntryWindow& entry, const EntryLayout& layout, const EntryFields& fields) {
  platform::Platform& os = Os();
  DialogState& dialog = Dialog();
  SelectFont(8);
  dialog.LeaveFlag = false;
  dialog.OkFlag = false;
  dialog.TabChanged = false;
  BuildPanel(entry, layout, fields);
  // A press still held from what opened the dialog (the OK of the entry
  // before it, say) is no click in it.
  WaitForMouseRelease();

  for (;;) {
    dialog.HelpTopic = std::string(layout.help_topics[dialog.TabIndex == 2 ? 1 : 0]);
    dialog.DialogKey.clear();
    const platform::Event event = os.WaitEvent();
    const bool ours = event.window == entry.window || event.window == entry.panel;
    if (event.kind == platform::EventKind::Close && ours) dialog.DialogKey = "X";
    // Keys typed into a field stay there; only keys of the window itself
    // count as hot keys.
    if (event.kind == platform::EventKind::KeyDown && ours) {
      if (event.window == entry.window) dialog.DialogKey = KeyOfCharacter(event.ch);
      HandleKeyDown(event.key);
    }
    if (event.kind == platform::EventKind::Command && ours) HandleCommand(layout, event.command);
    HandleMouse(entry);

    if (dialog.DialogKey == "O") {
      fields.store(dialog.TabIndex);
      dialog.OkFlag = true;
      break;
    }
    if (dialog.TabChanged) {
      fields.store(dialog.TabIndex == 2 ? 1 : 2);
      fields.show(dialog.TabIndex);
      dialog.LeaveFlag = false;
      dialog.TabChanged = false;
    }
    if (dialog.DialogKey == "X") break;
  }
  dialog.LeaveFlag = true;
}

void DrawOkPressed(const EntryWindow& entry) {
  Os().SelectWindow(entry.window);
  DrawTabDialogButton(TabButton::Ok, ButtonLook::Pressed);
}

void DrawCancelPressed(const EntryWindow& entry) {
  Os().SelectWindow(entry.window);
  DrawTabDialogButton(TabButton::Cancel, ButtonLook::Pressed);
}

void CloseEntryWindow(EntryWindow& entry) {
  platform::Platform& os = Os();
  os.Pause(kClosePause);
  if (entry.panel != 0) os.CloseWindow(entry.panel);
  os.CloseWindow(entry.window);
  entry = {};
  EndTabDialog();
  os.SelectWindow(platform::kMainWindow);
}

void DrawMatchLabel(int x, int y, int match, std::string_view suffix) {
  DrawText(x, y, Cells(match, 2) + std::string(suffix));
}

}  // namespace vorlanz
