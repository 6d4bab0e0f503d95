#include "platform/headless.h"

#include <utility>

namespace vorlanz::platform {

// What the program asks of menus, help, information boxes, file selectors
// and dialogs of platform controls, recorded for the tests to see.

// --- Menu, help, end -------------------------------------------------------

void HeadlessPlatform::SetMenuBar(const MenuBar& menu) {
  menu_bar_ = menu;
}

void HeadlessPlatform::CheckMenuItem(int id, bool checked) {
  checked_[id] = checked;
}

bool HeadlessPlatform::IsChecked(int id) const {
  const auto found = checked_.find(id);
  return found != checked_.end() && found->second;
}

void HeadlessPlatform::ShowHelp(std::string_view keyword) {
  help_requests_.emplace_back(keyword);
}

WindowId HeadlessPlatform::OpenInfoBox(int x, int y, const InfoBoxForm& form) {
  const WindowId id =
      OpenWindow(form.title, x, y, 1 + 2 * kFrameSide, 1 + kFrameTop + kFrameBottom);
  info_boxes_[id] = form;
  return id;
}

const InfoBoxForm* HeadlessPlatform::InfoBox(WindowId window) const {
  const auto found = info_boxes_.find(window);
  return found != info_boxes_.end() ? &found->second : nullptr;
}

// --- File selector ---------------------------------------------------------

HeadlessPlatform& HeadlessPlatform::AnswerFileChoice(std::string path) {
  file_answers_.push_back(std::move(path));
  return *this;
}

std::string HeadlessPlatform::ChooseFile(const FileChoice& choice) {
  file_choices_.push_back(choice);
  if (file_answers_.empty()) {
    throw ScriptExhausted("the test gave no answer for the file selector \"" + choice.title + "\"");
  }
  std::string answer = std::move(file_answers_.front());
  file_answers_.pop_front();
  return answer;
}

// --- Dialogs of platform controls -----------------------------------------

HeadlessPlatform::DialogRecord& HeadlessPlatform::DialogAt(WindowId window, const char* caller) {
  for (DialogRecord& dialog : dialogs_) {
    if (dialog.window == window && dialog.open) return dialog;
  }
  throw std::logic_error(std::string(caller) + ": window " + std::to_string(window) +
                         " is no open dialog");
}

const HeadlessPlatform::DialogRecord& HeadlessPlatform::DialogOf(WindowId window) const {
  for (const DialogRecord& dialog : dialogs_) {
    if (dialog.window == window) return dialog;
  }
  throw std::logic_error("DialogOf: window " + std::to_string(window) + " is no dialog");
}

WindowId HeadlessPlatform::OpenDialog(const DialogLayout& layout) {
  // A dialog of platform controls takes no drawing: the current window stays.
  const WindowId current = current_;
  const WindowId id =
      OpenWindow(layout.title, layout.x, layout.y, layout.client_width + 2 * kFrameSide,
                 layout.client_height + kFrameTop + kFrameBottom);
  DialogRecord dialog;
  dialog.window = id;
  dialog.layout = layout;
  dialogs_.push_back(std::move(dialog));
  current_ = current;
  return id;
}

void HeadlessPlatform::ShowDialog(WindowId dialog, bool visible) {
  DialogAt(dialog, "ShowDialog").visible = visible;
}

void HeadlessPlatform::AddListItem(WindowId dialog, int control, std::string_view text) {
  DialogAt(dialog, "AddListItem").list_items[control].emplace_back(text);
}

void HeadlessPlatform::SelectListItem(WindowId dialog, int control, int index) {
  DialogAt(dialog, "SelectListItem").selected[control] = index;
}

int HeadlessPlatform::SelectedListItem(WindowId dialog, int control) {
  const auto& selected = DialogAt(dialog, "SelectedListItem").selected;
  const auto found = selected.find(control);
  return found == selected.end() ? -1 : found->second;
}

void HeadlessPlatform::SetChecked(WindowId dialog, int control, bool checked) {
  DialogAt(dialog, "SetChecked").checked[control] = checked;
}

void HeadlessPlatform::SetControlValue(WindowId dialog, int control, int value) {
  DialogAt(dialog, "SetControlValue").values[control] = value;
}

int HeadlessPlatform::ControlValue(WindowId dialog, int control) {
  return DialogAt(dialog, "ControlValue").values[control];
}

void HeadlessPlatform::SetControlText(WindowId dialog, int control, std::string_view text) {
  DialogAt(dialog, "SetControlText").texts[control] = std::string(text);
}

std::string HeadlessPlatform::ControlText(WindowId dialog, int control) {
  return DialogAt(dialog, "ControlText").texts[control];
}

void HeadlessPlatform::Quit() {
  quit_called_ = true;
  throw ProgramEnded{};
}

}  // namespace vorlanz::platform
