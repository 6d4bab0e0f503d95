#include "platform/platform.h"

#include <stdexcept>

namespace vorlanz::platform {

int Event::message() const {
  switch (kind) {
    case EventKind::KeyDown:
      return kMsgKeyDown;
    case EventKind::KeyUp:
      return kMsgKeyUp;
    case EventKind::Command:
      return kMsgCommand;
    default:
      return 0;
  }
}

Event Platform::WaitEvent() {
  for (;;) {
    const Event event = Filter(NextEvent(true));
    if (event.kind != EventKind::None) return event;
  }
}

Event Platform::PollEvent() {
  return Filter(NextEvent(false));
}

// A close request for the main window goes to the quit handler; when the
// handler returns, the request has been dealt with and the caller sees no
// event.
Event Platform::Filter(Event event) {
  if (event.kind == EventKind::Close && event.window == kMainWindow && quit_handler_) {
    quit_handler_();
    return Event{};
  }
  return event;
}

namespace {
Platform* installed = nullptr;
}  // namespace

Platform& Current() {
  if (installed == nullptr) throw std::logic_error("no platform installed");
  return *installed;
}

void Install(Platform* platform) {
  installed = platform;
}

}  // namespace vorlanz::platform
