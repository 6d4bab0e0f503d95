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

HeadlessPlatform& HeadlessPlatform::CloseRequest(WindowId window) {
  return Push({.event = {.kind = EventKind::Close, .window = window}, .to_current_window = false});
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

void HeadlessPlatform::Quit() {
  quit_called_ = true;
  throw ProgramEnded{};
}

}  // namespace vorlanz::platform
