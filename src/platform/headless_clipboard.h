#pragma once

// The clipboard of the scripted backend: it only keeps its text, which a test
// sets to stand for what the user copied and reads to see what the program
// put there.

#include <string>

#include "platform/clipboard.h"

namespace vorlanz::platform {

class HeadlessClipboard : public Clipboard {
 public:
  void SetText(std::string_view text) override { text_ = std::string(text); }
  std::string Text() const override { return text_; }

 private:
  std::string text_;
};

}  // namespace vorlanz::platform
