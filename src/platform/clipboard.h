#pragma once

// The system clipboard, as plain text: a service of its own beside Platform,
// with the desktop's clipboard (qt_clipboard.h) and a scripted one for tests
// (headless_clipboard.h).

#include <string>
#include <string_view>

namespace vorlanz::platform {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Puts the text (UTF-8) on the clipboard in place of what it held.
  virtual void SetText(std::string_view text) = 0;
  // The clipboard's text (UTF-8); empty when it holds none.
  virtual std::string Text() const = 0;
};

// The clipboard the program uses; installed once by main() or a test.
Clipboard& CurrentClipboard();
void InstallClipboard(Clipboard* clipboard);

}  // namespace vorlanz::platform
