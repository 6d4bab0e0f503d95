#include "platform/headless.h"

#include <algorithm>
#include <utility>

#include "model/characters.h"

namespace vorlanz::platform {

// The script engine: the steps a test queues and how the program takes
// them, keys typed into fields included.

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

void HeadlessPlatform::AdvanceAfterKey(int virtual_key) {
  if (FieldExists(focused_field_) && tree_.AdvancesFrom(focused_field_, virtual_key)) {
    focused_field_ = tree_.NextField(current_, focused_field_, false);
  }
}

}  // namespace vorlanz::platform
