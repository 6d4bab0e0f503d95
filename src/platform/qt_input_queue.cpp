#include "platform/qt_input_queue.h"

#include <algorithm>

#include "platform/event_builders.h"

namespace vorlanz::platform {

void InputQueue::Push(const Event& event, int button) {
  if (event.kind == EventKind::MouseMove && !queue_.empty() &&
      queue_.back().event.kind == EventKind::MouseMove &&
      queue_.back().event.window == event.window) {
    return;
  }
  queue_.push_back({event, button});
}

void InputQueue::PushFront(const Event& event) {
  queue_.push_front({event, 0});
}

Event InputQueue::Take(Clock::time_point now) {
  if (queue_.empty()) return Event{};
  const Queued next = queue_.front();
  queue_.pop_front();
  if (next.button != 0) {
    const int slot = Slot(next.button);
    if (next.event.kind == EventKind::MouseDown) {
      press_taken_[slot] = true;
      press_held_until_[slot] = now + kPressHold;
    } else if (next.event.kind == EventKind::MouseUp) {
      press_taken_[slot] = false;
    }
  }
  return next.event;
}

void InputQueue::DropWindow(WindowId window) {
  std::erase_if(queue_, [window](const Queued& queued) { return queued.event.window == window; });
}

int InputQueue::HeldButtons(int live, Clock::time_point now) const {
  int held = live & (kLeftButton | kRightButton);
  for (const int button : {kLeftButton, kRightButton}) {
    const int slot = Slot(button);
    if (press_taken_[slot] && press_held_until_[slot] > now) held |= button;
  }
  return held;
}

bool InputQueue::ReleaseLostPresses(int live, WindowId window) {
  bool released = false;
  for (const int button : {kLeftButton, kRightButton}) {
    if (!press_taken_[Slot(button)] || (live & button) != 0) continue;
    const bool release_queued =
        std::any_of(queue_.begin(), queue_.end(), [button](const Queued& q) {
          return q.button == button && q.event.kind == EventKind::MouseUp;
        });
    if (release_queued) continue;
    queue_.push_back({MouseRelease(window), button});
    released = true;
  }
  return released;
}

}  // namespace vorlanz::platform
