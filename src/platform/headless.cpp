#include "platform/headless.h"

#include <algorithm>
#include <utility>

#include "model/characters.h"

namespace vorlanz::platform {

int CharacterOfKey(int virtual_key) {
  if ((virtual_key >= 'A' && virtual_key <= 'Z') || (virtual_key >= '0' && virtual_key <= '9')) {
    return virtual_key;
  }
  if (const char digit = KeypadDigit(virtual_key)) return digit;
  switch (virtual_key) {
    case vk::kReturn:
    case vk::kEscape:
    case vk::kTab:
    case ' ':
      return virtual_key;
    default:
      return 0;
  }
}

namespace {

// Accelerators are known by their upper-case letter.
char AcceleratorLetter(char letter) {
  return static_cast<char>(UpperCase(static_cast<unsigned char>(letter)));
}

}  // namespace

HeadlessPlatform::HeadlessPlatform(int main_width, int main_height) {
  auto main = std::make_unique<Window>();
  main->geometry = {0, 0, main_width, main_height};
  main->surface = std::make_unique<Surface>(main_width, main_height);
  windows_.emplace(kMainWindow, std::move(main));
}

HeadlessPlatform::~HeadlessPlatform() = default;

// --- Script ----------------------------------------------------------------

HeadlessPlatform& HeadlessPlatform::Push(Step step) {
  step.typed_ahead = typing_ahead_;
  script_.push_back(std::move(step));
  return *this;
}

HeadlessPlatform& HeadlessPlatform::KeyDown(int virtual_key) {
  return Push(
      {.event = {
           .kind = EventKind::KeyDown, .key = virtual_key, .ch = CharacterOfKey(virtual_key)}});
}

HeadlessPlatform& HeadlessPlatform::KeyUp(int virtual_key) {
  return Push({.event = {.kind = EventKind::KeyUp, .key = virtual_key}});
}

HeadlessPlatform& HeadlessPlatform::Key(int virtual_key) {
  return KeyDown(virtual_key).KeyUp(virtual_key);
}

HeadlessPlatform& HeadlessPlatform::Keys(std::string_view letters_and_digits) {
  for (const char c : letters_and_digits) {
    const bool lower = c >= 'a' && c <= 'z';
    const bool upper = c >= 'A' && c <= 'Z';
    const bool digit = c >= '0' && c <= '9';
    if (!lower && !upper && !digit && c != ' ') {
      throw std::invalid_argument(std::string("Keys: no key types '") + c + "'");
    }
    const auto virtual_key = static_cast<int>(UpperCase(static_cast<unsigned char>(c)));
    KeyDown(virtual_key);
    script_.back().event.ch = c;  // a lower-case letter is typed as such
    KeyUp(virtual_key);
  }
  return *this;
}

HeadlessPlatform& HeadlessPlatform::MouseMove(int x, int y) {
  return Push({.kind = Step::Kind::MouseMove, .at = {x, y}});
}

HeadlessPlatform& HeadlessPlatform::MouseDown(int x, int y, int buttons) {
  return Push({.kind = Step::Kind::MouseDown, .at = {x, y}, .buttons = buttons});
}

HeadlessPlatform& HeadlessPlatform::MouseUp() {
  return Push({.kind = Step::Kind::MouseUp});
}

HeadlessPlatform& HeadlessPlatform::Click(int x, int y, int buttons) {
  return MouseDown(x, y, buttons).MouseUp();
}

HeadlessPlatform& HeadlessPlatform::Command(int id) {
  return Push({.event = {.kind = EventKind::Command, .command = id}});
}

HeadlessPlatform& HeadlessPlatform::MenuPickByKey(int id, int mnemonic_key) {
  Push({.event = {.kind = EventKind::Command, .window = kMainWindow, .command = id},
        .to_current_window = false});
  return KeyUp(mnemonic_key);
}

HeadlessPlatform& HeadlessPlatform::CloseRequest(WindowId window) {
  return Push({.event = {.kind = EventKind::Close, .window = window}, .to_current_window = false});
}

HeadlessPlatform& HeadlessPlatform::CloseDialog() {
  Step step;
  step.event.kind = EventKind::Close;
  step.event.window = 0;  // the dialog on top when the step is taken
  step.to_current_window = false;
  Push(std::move(step));
  return *this;
}

HeadlessPlatform& HeadlessPlatform::HelpKeyInDialog() {
  Step step;
  step.event.kind = EventKind::Command;
  step.event.window = 0;  // the dialog on top when the step is taken
  step.to_current_window = false;
  return Push(std::move(step));
}

HeadlessPlatform::DialogRecord& HeadlessPlatform::TopDialog() {
  for (auto dialog = dialogs_.rbegin(); dialog != dialogs_.rend(); ++dialog) {
    if (dialog->open && dialog->visible) return *dialog;
  }
  throw std::logic_error("script: no dialog is shown");
}

HeadlessPlatform& HeadlessPlatform::ChangeControl(int control,
                                                  std::function<void(DialogRecord&)> change) {
  Then([this, change = std::move(change)] { change(TopDialog()); });
  return Command(control);
}

HeadlessPlatform& HeadlessPlatform::PickListItem(int control, int index) {
  return ChangeControl(control, [control, index](DialogRecord& d) { d.selected[control] = index; });
}

HeadlessPlatform& HeadlessPlatform::MoveScrollBar(int control, int value) {
  return ChangeControl(control, [control, value](DialogRecord& d) { d.values[control] = value; });
}

HeadlessPlatform& HeadlessPlatform::TypeIntoControl(int control, std::string text) {
  return ChangeControl(
      control, [control, text = std::move(text)](DialogRecord& d) { d.texts[control] = text; });
}

HeadlessPlatform& HeadlessPlatform::TypeIntoField(int field_id, std::string text) {
  return Push({.kind = Step::Kind::TypeIntoField, .field_id = field_id, .text = std::move(text)});
}

HeadlessPlatform& HeadlessPlatform::Then(std::function<void()> action) {
  return Push({.kind = Step::Kind::Action, .action = std::move(action)});
}

bool HeadlessPlatform::TakeStep(Event& event) {
  if (script_.empty()) return false;
  // Off the script before it runs: an action may add steps or throw.
  Step step = std::move(script_.front());
  script_.pop_front();
  event = Event{};
  event.window = current_;
  switch (step.kind) {
    case Step::Kind::Event:
      event = step.event;
      if (step.to_current_window) event.window = current_;
      if (event.kind == EventKind::Close && event.window == 0) event.window = TopDialog().window;
      if (event.kind == EventKind::Command && event.window == 0) {
        const DialogRecord& top = TopDialog();
        event.window = top.window;
        event.command = top.layout.help_command;
        if (event.command == 0) event.kind = EventKind::None;
      }
      if (event.kind == EventKind::KeyDown) AdvanceAfterKey(event.key);
      break;
    case Step::Kind::MouseMove:
      mouse_ = step.at;
      event.kind = EventKind::MouseMove;
      break;
    case Step::Kind::MouseDown:
      mouse_ = step.at;
      buttons_ = step.buttons;
      event.kind = EventKind::MouseDown;
      break;
    case Step::Kind::MouseUp:
      buttons_ = 0;
      event.kind = EventKind::MouseUp;
      break;
    case Step::Kind::TypeIntoField:
      TypeText(step.field_id, step.text);
      break;
    case Step::Kind::Action:
      step.action();
      break;
  }
  return true;
}

Event HeadlessPlatform::NextEvent(bool wait) {
  for (;;) {
    if (!wait && (script_.empty() || !script_.front().typed_ahead)) return Event{};
    if (script_.empty()) {
      throw ScriptExhausted(
          "the test script is used up while the program waits for input "
          "(what it waits for is not known here); current window " +
          std::to_string(current_) + " \"" + WindowTitle(current_) + "\"");
    }
    Event event;
    TakeStep(event);
    if (event.kind != EventKind::None) return event;
  }
}

int HeadlessPlatform::PendingKey() {
  while (!script_.empty() && script_.front().typed_ahead) {
    const Step& front = script_.front();
    const bool mouse_down = front.kind == Step::Kind::MouseDown;
    Event event;
    TakeStep(event);
    if (event.kind == EventKind::KeyDown && event.ch != 0) return event.ch;
    // A close request for the main window is honoured wherever it comes.
    if (event.kind == EventKind::Close) Filter(event);
    // Leaves the button down for the caller to see.
    if (mouse_down) return 0;
  }
  return 0;
}

// --- Windows ---------------------------------------------------------------

void HeadlessPlatform::ShowMainWindow(std::string_view title) {
  windows_.at(kMainWindow)->title = std::string(title);
}

WindowId HeadlessPlatform::OpenWindow(std::string_view title, int x, int y, int outer_width,
                                      int outer_height) {
  auto window = std::make_unique<Window>();
  window->title = std::string(title);
  window->geometry = {x, y, outer_width, outer_height};
  window->surface = std::make_unique<Surface>(outer_width - 2 * kFrameSide,
                                              outer_height - kFrameTop - kFrameBottom);
  const WindowId id = next_window_++;
  windows_.emplace(id, std::move(window));
  current_ = id;
  return id;
}

WindowId HeadlessPlatform::OpenPanel(WindowId parent, int x, int y, int width, int height) {
  if (!WindowOpen(parent)) {
    throw std::logic_error("OpenPanel: window " + std::to_string(parent) + " is not open");
  }
  auto panel = std::make_unique<Window>();
  panel->parent = parent;
  panel->geometry = {x, y, width, height};
  panel->surface = std::make_unique<Surface>(width, height);
  const WindowId id = next_window_++;
  windows_.emplace(id, std::move(panel));
  current_ = id;
  return id;
}

void HeadlessPlatform::CloseWindow(WindowId window) {
  if (window == kMainWindow || !WindowOpen(window)) return;
  // The window and everything inside it, children before their parents.
  std::vector<WindowId> closing{window};
  for (std::size_t i = 0; i < closing.size(); ++i) {
    for (const auto& [id, open] : windows_) {
      if (open->parent == closing[i]) closing.push_back(id);
    }
  }
  for (const WindowId id : closing) {
    for (auto field = fields_.begin(); field != fields_.end();) {
      if (field->second.panel == id) {
        if (focused_field_ == field->first) focused_field_ = 0;
        std::erase(field_order_, field->first);
        field = fields_.erase(field);
      } else {
        ++field;
      }
    }
    std::erase_if(accelerators_, [id](const auto& entry) { return entry.first.first == id; });
    for (DialogRecord& dialog : dialogs_) {
      if (dialog.window == id) dialog.open = false;
    }
    advance_keys_.erase(id);
    windows_.erase(id);
    if (current_ == id) current_ = kMainWindow;
  }
}

void HeadlessPlatform::SelectWindow(WindowId window) {
  if (!WindowOpen(window)) {
    throw std::logic_error("SelectWindow: window " + std::to_string(window) + " is not open");
  }
  current_ = window;
}

Surface& HeadlessPlatform::WindowSurface(WindowId window) {
  const auto found = windows_.find(window);
  if (found == windows_.end()) {
    throw std::logic_error("WindowSurface: window " + std::to_string(window) + " is not open");
  }
  return *found->second->surface;
}

bool HeadlessPlatform::WindowOpen(WindowId window) const {
  return windows_.contains(window);
}

std::string HeadlessPlatform::WindowTitle(WindowId window) const {
  const auto found = windows_.find(window);
  return found == windows_.end() ? std::string() : found->second->title;
}

HeadlessPlatform::Geometry HeadlessPlatform::WindowGeometry(WindowId window) const {
  const auto found = windows_.find(window);
  return found == windows_.end() ? Geometry{} : found->second->geometry;
}

// --- Edit fields -----------------------------------------------------------

void HeadlessPlatform::CreateEditField(WindowId panel, int id, int /*x*/, int /*y*/, int /*width*/,
                                       int /*height*/, std::string_view text) {
  if (!WindowOpen(panel)) {
    throw std::logic_error("CreateEditField: window " + std::to_string(panel) + " is not open");
  }
  fields_[id] = Field{panel, std::string(text)};
  std::erase(field_order_, id);
  field_order_.push_back(id);
}

std::string HeadlessPlatform::FieldText(int id) const {
  const auto found = fields_.find(id);
  return found == fields_.end() ? std::string() : found->second.text;
}

void HeadlessPlatform::SetFieldText(int id, std::string_view text) {
  const auto found = fields_.find(id);
  if (found != fields_.end()) found->second.text = std::string(text);
}

void HeadlessPlatform::LimitFieldToNumber(int id, int max_number) {
  const auto found = fields_.find(id);
  if (found != fields_.end()) found->second.max_number = max_number;
}

void HeadlessPlatform::TypeText(int id, std::string_view text) {
  const auto found = fields_.find(id != 0 ? id : focused_field_);
  if (found == fields_.end()) return;
  Field& field = found->second;
  field.text.clear();
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t start = pos;
    NextCodePoint(text, pos);
    const std::string typed = field.text + std::string(text.substr(start, pos - start));
    if (field.max_number < 0 || FitsNumberField(typed, field.max_number)) field.text = typed;
  }
}

bool HeadlessPlatform::FieldExists(int id) const {
  return fields_.contains(id);
}

void HeadlessPlatform::FocusField(int id) {
  if (FieldExists(id)) focused_field_ = id;
}

// Tab moves on among the fields of the focused field's panel, in the order
// they were made, and from the last back to the first.
void HeadlessPlatform::FocusNextField() {
  if (field_order_.empty()) return;
  const auto focused = std::find(field_order_.begin(), field_order_.end(), focused_field_);
  if (focused == field_order_.end()) {
    focused_field_ = field_order_.front();
    return;
  }
  const WindowId panel = fields_.at(focused_field_).panel;
  auto next = focused;
  do {
    if (++next == field_order_.end()) next = field_order_.begin();
  } while (fields_.at(*next).panel != panel);
  focused_field_ = *next;
}

void HeadlessPlatform::SetFieldAdvanceKeys(WindowId panel, std::vector<int> virtual_keys) {
  advance_keys_[panel] = std::move(virtual_keys);
}

void HeadlessPlatform::AdvanceAfterKey(int virtual_key) {
  const auto field = fields_.find(focused_field_);
  if (field == fields_.end()) return;
  const auto keys = advance_keys_.find(field->second.panel);
  if (keys == advance_keys_.end()) return;
  if (std::find(keys->second.begin(), keys->second.end(), virtual_key) != keys->second.end()) {
    FocusNextField();
  }
}

void HeadlessPlatform::AddAccelerator(WindowId window, char letter, int command_id) {
  accelerators_[{window, AcceleratorLetter(letter)}] = command_id;
}

int HeadlessPlatform::AcceleratorCommand(WindowId window, char letter) const {
  const auto found = accelerators_.find({window, AcceleratorLetter(letter)});
  return found == accelerators_.end() ? 0 : found->second;
}

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

// --- Printing --------------------------------------------------------------

std::optional<PrintArea> HeadlessPlatform::BeginPrint(std::string_view document,
                                                      const PrintFont& font, double page_width_mm,
                                                      double page_height_mm) {
  ++printer_choices_;
  // Courier's cell at 12 points: 0.6 em wide, one em high.
  constexpr double kPointMm = 25.4 / 72;
  const std::optional<PrintArea> area =
      printer_answer_ ? *printer_answer_
                      : PrintArea{page_width_mm, page_height_mm, 0.6 * font.points * kPointMm,
                                  font.points * kPointMm};
  if (!area) return std::nullopt;
  begun_ = PrintedPage{std::string(document), font, page_width_mm, page_height_mm, {}, {}};
  return area;
}

bool HeadlessPlatform::PrintMarks(std::string_view text, const std::vector<PrintMark>& marks) {
  if (!begun_) throw std::logic_error("PrintMarks: no print begun");
  if (printer_broken_) {
    begun_.reset();
    return false;
  }
  begun_->text = std::string(text);
  begun_->marks = marks;
  printed_.push_back(std::move(*begun_));
  begun_.reset();
  return true;
}

void HeadlessPlatform::CancelPrint() {
  begun_.reset();
}

void HeadlessPlatform::Quit() {
  quit_called_ = true;
  throw ProgramEnded{};
}

}  // namespace vorlanz::platform
