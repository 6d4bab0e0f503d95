#pragma once

// The queue of input the Qt backend has collected and the program has not
// yet taken, with the mouse button state as the program should see it.

#include <chrono>
#include <deque>

#include "platform/platform.h"

namespace vorlanz::platform {

class InputQueue {
 public:
  using Clock = std::chrono::steady_clock;
  // How long a taken press counts as held when its button is already up.
  static constexpr auto kPressHold = std::chrono::milliseconds(150);

  // `button` is the button bit (kLeftButton, kRightButton) of a mouse press
  // or release, 0 for other events. Mouse moves in a row are kept as one.
  void Push(const Event& event, int button = 0);
  // Puts an event back in front of the queue.
  void PushFront(const Event& event);
  bool empty() const { return queue_.empty(); }
  // Takes the next event; kind None when there is none.
  Event Take(Clock::time_point now);
  // Forgets the events of a window that has closed.
  void DropWindow(WindowId window);

  // The buttons held: `live` (the buttons down now) and a press the program
  // has taken a moment ago, even when the button is already up again; a
  // quick click can be over before the program asks.
  int HeldButtons(int live, Clock::time_point now) const;
  // A taken press whose release will never come (its window closed
  // meanwhile) gets one, so that a loop waiting for the release ends.
  // Returns true when it queued one.
  bool ReleaseLostPresses(int live, WindowId window);

 private:
  struct Queued {
    Event event;
    int button = 0;
  };
  static int Slot(int button) { return button == kRightButton ? 1 : 0; }

  std::deque<Queued> queue_;
  // Per button (left, right): a taken press whose release is not taken yet,
  // and until when it counts as held.
  bool press_taken_[2] = {false, false};
  Clock::time_point press_held_until_[2]{};
};

}  // namespace vorlanz::platform
