#pragma once

// Turns the key presses and releases inside the main window into events,
// whichever of its widgets has the focus (edit fields still receive their
// keys). Alt+letter runs the window's accelerator, ahead of the menu bar's
// mnemonics; Tab moves between edit fields.

#include <QObject>
#include <QWidget>

#include "platform/platform.h"

namespace vorlanz::platform {

class KeyRouter {
 public:
  virtual ~KeyRouter() = default;
  // The window a key typed into `focus` belongs to.
  virtual WindowId KeyWindow(const QWidget* focus) const = 0;
  // The command of Alt+letter (an upper-case letter) where `focus` is, or 0.
  virtual int AcceleratorCommand(const QWidget* focus, int letter) const = 0;
  // Moves the focus from `focus` to the next (or previous) edit field.
  virtual void MoveFieldFocus(const QWidget* focus, bool backwards) = 0;
  // Whether the key, typed into the edit field `focus`, moves on to the next.
  virtual bool AdvancesFocus(const QWidget* focus, int virtual_key) const = 0;
  virtual void Push(const Event& event) = 0;
};

class KeyFilter : public QObject {
 public:
  KeyFilter(const QWidget* main_window, KeyRouter& router);

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const QWidget* main_window_;
  KeyRouter& router_;
};

}  // namespace vorlanz::platform
