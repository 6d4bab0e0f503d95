#pragma once

// What tests and scripted runs look at and do in the Qt backend beyond what
// the program itself asks of it.

#include <string>
#include <string_view>

#include "platform/qt_platform.h"

namespace vorlanz::platform {

class QtPlatformProbe {
 public:
  explicit QtPlatformProbe(QtPlatform& platform);

  // The id of the edit field holding the keyboard focus, or 0.
  int FocusedField() const;
  // Whether the menu item shows a tick.
  bool MenuItemTicked(int id) const;
  // Picks a menu item as the user would; false when the menu bar is
  // disabled or has no such item.
  bool PickMenuItem(int id);
  // The file name of the help page on view; empty while the help is closed.
  std::string HelpPageShown() const;
  // Presses and releases a key (a Qt::Key value) in the help window, as the
  // keyboard would; false while the help is closed.
  bool PressKeyInHelp(int qt_key);
  // Presses and releases a key (a Qt::Key value) in the main window's focus
  // widget, as the keyboard would: with Shift or Alt held, or as the key of
  // the numeric keypad.
  enum class Modifier { None, Shift, Alt, Keypad };
  void PressKeyInFocus(int qt_key, Modifier modifier = Modifier::None);
  // Clicks the button of that name in a dialog window (the information box),
  // or uses the dialog's close box; false when there is no such button.
  bool ClickDialogButton(WindowId window, std::string_view name);
  void CloseDialogByCloseBox(WindowId window);
  // Prints go into this PDF file from now on, without a printer choice.
  void PrintIntoFile(const std::string& path);

 private:
  QtPlatform::Impl& impl_;
};

}  // namespace vorlanz::platform
