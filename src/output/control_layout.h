#pragma once

// Building the layouts of dialogs of platform controls.

#include "platform/platform.h"

namespace vorlanz {

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

}  // namespace vorlanz
