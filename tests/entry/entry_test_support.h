#pragma once

// Helpers of the entry dialog tests: finding the dialog's windows while it
// runs.

#include <string_view>

#include "platform/headless.h"

namespace vorlanz {

// The open window with the title, or 0.
inline platform::WindowId FindWindow(const platform::HeadlessPlatform& os, std::string_view title) {
  for (platform::WindowId id = 2; id < 64; ++id) {
    if (os.WindowOpen(id) && os.WindowTitle(id) == title) return id;
  }
  return 0;
}

// The panel opened right after the window (a fresh platform numbers them in
// order).
inline platform::WindowId PanelOf(platform::WindowId window) {
  return window + 1;
}

}  // namespace vorlanz
