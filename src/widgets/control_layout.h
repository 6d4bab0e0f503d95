#pragma once

// Building the layouts of dialogs of platform controls, and running
// something of the program's own over such a dialog.

#include <string>
#include <utility>

#include "platform/platform.h"
#include "widgets/dialog_input.h"

namespace vorlanz {

// An empty dialog in the program's dialog font; (x, y) is its outer top left
// corner from the main window's outer top left.
inline platform::DialogLayout DialogFrame(std::string title, int x, int y, int client_width,
                                          int client_height) {
  platform::DialogLayout layout;
  layout.title = std::move(title);
  layout.x = x;
  layout.y = y;
  layout.client_width = client_width;
  layout.client_height = client_height;
  layout.font_family = "Arial";
  layout.font_pixel_height = 14;
  return layout;
}

// Appends a control and returns it for its further settings (valid until
// the next control is added).
inline platform::DialogControl& AddControl(platform::DialogLayout& layout,
                                           platform::DialogControl::Kind kind, int id,
                                           const char* text, int x, int y, int width, int height) {
  platform::DialogControl control;
  control.kind = kind;
  control.id = id;
  control.text = text;
  control.x = x;
  control.y = y;
  control.width = width;
  control.height = height;
  layout.controls.push_back(control);
  return layout.controls.back();
}

// Runs something over the hidden dialog and shows it again: while a dialog
// of platform controls is shown, the program's own windows (the alert box,
// the forms) and the help take no input.
template <typename Action>
void WhileHidden(platform::WindowId dialog, Action action) {
  platform::Platform& os = platform::Current();
  os.ShowDialog(dialog, false);
  FlushInput();
  action();
  os.ShowDialog(dialog, true);
}

}  // namespace vorlanz
