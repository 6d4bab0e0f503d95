#include "platform/platform.h"

#include <stdexcept>
#include <string>

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
  for (;;) {
    const Event pending = NextEvent(false);
    if (pending.kind == EventKind::None) return pending;
    const Event event = Filter(pending);
    if (event.kind != EventKind::None) return event;
  }
}

// A close request for the main window goes to the quit handler; when the
// handler returns, the request has been dealt with and the caller sees no
// event. Neither does it for the release of a key whose press it was not
// given.
Event Platform::Filter(Event event) {
  if (event.kind == EventKind::Close && event.window == kMainWindow && quit_handler_) {
    quit_handler_();
    return Event{};
  }
  const bool known_key = event.key >= 0 && static_cast<std::size_t>(event.key) < pressed_.size();
  if (event.kind == EventKind::KeyDown && known_key) pressed_.set(event.key);
  if (event.kind == EventKind::KeyUp) {
    if (!known_key || !pressed_.test(event.key)) return Event{};
    pressed_.reset(event.key);
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
