#include "platform/qt_key_filter.h"

#include <QKeyEvent>
#include <QMenuBar>
#include <QWidget>

#include "platform/qt_keys.h"

namespace vorlanz::platform {
namespace {

// Alt combinations are system keys: they reach the program only as
// accelerators, never as key presses.
bool IsSystemKey(const QKeyEvent& key) {
  return (key.modifiers() & Qt::AltModifier) != 0 || key.key() == Qt::Key_Alt;
}

// The letter of an Alt+letter press, or 0.
int AltLetter(const QKeyEvent& key) {
  if ((key.modifiers() & Qt::AltModifier) == 0) return 0;
  if (key.key() < Qt::Key_A || key.key() > Qt::Key_Z) return 0;
  return key.key();
}

int VirtualKeyOf(const QKeyEvent& key) {
  return VirtualKeyFromQt(key.key(), (key.modifiers() & Qt::KeypadModifier) != 0);
}

int CharacterOf(const QKeyEvent& key, int virtual_key) {
  const QList<uint> text = key.text().toUcs4();
  if (!text.isEmpty()) {
    const uint ch = text.front();
    return ch == 0x7F ? 0 : static_cast<int>(ch);
  }
  switch (virtual_key) {
    case vk::kReturn:
    case vk::kEscape:
    case vk::kTab:
    case 0x08:  // Backspace
      return virtual_key;
    default:
      return 0;
  }
}

bool IsTab(const QKeyEvent& key) {
  if ((key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0) return false;
  return key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab;
}

}  // namespace

KeyFilter::KeyFilter(const QWidget* main_window, KeyRouter& router)
    : main_window_(main_window), router_(router) {}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride) {
    return false;
  }
  const auto* widget = qobject_cast<const QWidget*>(watched);
  if (widget == nullptr || widget->window() != main_window_) return false;
  // A key a widget ignores travels on to its parents; take it only once,
  // where it arrives first.
  // Keys go to the window's focus widget, even in the moment the window is
  // not the active one (as right after a menu closes).
  const QWidget* focus = main_window_->focusWidget();
  if (widget != (focus != nullptr ? focus : main_window_)) return false;
  // Keys that steer the menu bar are no input of the program.
  if (qobject_cast<const QMenuBar*>(widget) != nullptr) return false;

  auto& key = static_cast<QKeyEvent&>(*event);
  const int letter = AltLetter(key);
  const int command = letter != 0 ? router_.AcceleratorCommand(widget, letter) : 0;
  if (type == QEvent::ShortcutOverride) {
    // Claiming the key keeps the menu bar's mnemonics from taking it.
    if (command == 0) return false;
    key.accept();
    return true;
  }
  if (command != 0 && type == QEvent::KeyPress) {
    if (!key.isAutoRepeat()) {
      Event pick;
      pick.kind = EventKind::Command;
      pick.window = router_.KeyWindow(widget);
      pick.command = command;
      router_.Push(pick);
    }
    // Its release goes on as a key whose press the program was never
    // given, which the platform passes over.
    return true;
  }
  if (IsSystemKey(key)) return false;
  if (type == QEvent::KeyRelease && key.isAutoRepeat()) return false;

  Event typed;
  typed.kind = type == QEvent::KeyPress ? EventKind::KeyDown : EventKind::KeyUp;
  typed.window = router_.KeyWindow(widget);
  typed.key = VirtualKeyOf(key);
  if (type == QEvent::KeyPress) typed.ch = CharacterOf(key, typed.key);
  // A key the program has no code for (an umlaut's release, a dead key)
  // would only look like an empty key to its loops.
  if (typed.key != 0 || typed.ch != 0) router_.Push(typed);

  if (type == QEvent::KeyPress && router_.AdvancesFocus(widget, typed.key)) {
    // The field takes the key now, and the focus moves on before the next
    // key is read, however fast they come.
    watched->event(event);
    router_.MoveFieldFocus(widget, false);
    return true;
  }

  if (IsTab(key)) {
    if (type == QEvent::KeyPress) {
      router_.MoveFieldFocus(widget, key.key() == Qt::Key_Backtab);
    }
    return true;
  }
  return false;
}

}  // namespace vorlanz::platform
