#pragma once

// The events the backends make, each built in one place.

#include "platform/window_service.h"

namespace vorlanz::platform {

inline Event CommandEvent(WindowId window, int command) {
  return {.kind = EventKind::Command, .window = window, .command = command};
}

inline Event CloseRequest(WindowId window) {
  return {.kind = EventKind::Close, .window = window};
}

inline Event MouseRelease(WindowId window) {
  return {.kind = EventKind::MouseUp, .window = window};
}

}  // namespace vorlanz::platform
