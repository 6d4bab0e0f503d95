#include "platform/platform.h"

#include <string>

#include "platform/installed_service.h"

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

Event WindowService::WaitEvent() {
  for (;;) {
    const Event event = Filter(NextEvent(true));
    if (event.kind != EventKind::None) return event;
  }
}

Event WindowService::PollEvent() {
  return Filter(NextEvent(false));
}

// A close request for the main window goes to the quit handler; when the
// handler returns, the request has been dealt with and the caller sees no
// event.
Event WindowService::Filter(Event event) {
  if (event.kind == EventKind::Close && event.window == kMainWindow && quit_handler_) {
    quit_handler_();
    return Event{};
  }
  return event;
}

bool FitsNumberField(std::string_view text, int max_number) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return true;
  const std::string_view digits = text.substr(first, text.find_last_not_of(' ') + 1 - first);
  if (digits.size() > std::to_string(max_number).size()) return false;
  int value = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return false;
    value = 10 * value + (c - '0');
  }
  return value <= max_number;
}

Platform& Current() {
  return InstalledService<Platform>::Get("platform");
}

void Install(Platform* platform) {
  InstalledService<Platform>::Set(platform);
}

}  // namespace vorlanz::platform
