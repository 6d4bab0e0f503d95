#pragma once

// The desktop's clipboard through Qt. Needs the Application object to exist.

#include "platform/clipboard.h"

namespace vorlanz::platform {

class QtClipboard : public Clipboard {
 public:
  void SetText(std::string_view text) override;
  std::string Text() const override;
};

}  // namespace vorlanz::platform
