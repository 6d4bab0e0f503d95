#include "platform/qt_input_queue.h"

#include <gtest/gtest.h>

namespace vorlanz::platform {
namespace {

using std::chrono::milliseconds;

Event Make(EventKind kind, WindowId window = kMainWindow) {
  Event event;
  event.kind = kind;
  event.window = window;
  return event;
}

class InputQueueTest : public ::testing::Test {
 protected:
  InputQueue queue_;
  const InputQueue::Clock::time_point start_ = InputQueue::Clock::now();
};

TEST_F(InputQueueTest, TakesInOrderAndGivesNoneWhenEmpty) {
  EXPECT_EQ(queue_.Take(start_).kind, EventKind::None);
  queue_.Push(Make(EventKind::KeyDown));
  queue_.Push(Make(EventKind::KeyUp));
  queue_.PushFront(Make(EventKind::Close));
  EXPECT_EQ(queue_.Take(start_).kind, EventKind::Close);
  EXPECT_EQ(queue_.Take(start_).kind, EventKind::KeyDown);
  EXPECT_EQ(queue_.Take(start_).kind, EventKind::KeyUp);
  EXPECT_TRUE(queue_.empty());
  // A window that closed loses its events.
  queue_.Push(Make(EventKind::KeyDown, 2));
  queue_.Push(Make(EventKind::KeyDown, 3));
  queue_.DropWindow(2);
  EXPECT_EQ(queue_.Take(start_).window, 3);
  EXPECT_TRUE(queue_.empty());
}

TEST_F(InputQueueTest, MouseMovesInARowOfOneWindowAreKeptAsOne) {
  queue_.Push(Make(EventKind::MouseMove, 1));
  queue_.Push(Make(EventKind::MouseMove, 1));
  queue_.Push(Make(EventKind::MouseMove, 2));
  queue_.Push(Make(EventKind::KeyDown, 2));
  queue_.Push(Make(EventKind::MouseMove, 2));
  EXPECT_EQ(queue_.Take(start_).window, 1);
  EXPECT_EQ(queue_.Take(start_).window, 2);
  EXPECT_EQ(queue_.Take(start_).kind, EventKind::KeyDown);
  EXPECT_EQ(queue_.Take(start_).kind, EventKind::MouseMove);
  EXPECT_TRUE(queue_.empty());
}

TEST_F(InputQueueTest, AQuickClickCountsAsHeldForAMomentAfterItsPressIsTaken) {
  queue_.Push(Make(EventKind::MouseDown), kLeftButton);
  queue_.Push(Make(EventKind::MouseUp), kLeftButton);
  // Nothing counts before the program has taken the press.
  EXPECT_EQ(queue_.HeldButtons(0, start_), 0);

  ASSERT_EQ(queue_.Take(start_).kind, EventKind::MouseDown);
  EXPECT_EQ(queue_.HeldButtons(0, start_ + milliseconds(50)), kLeftButton);
  EXPECT_EQ(queue_.HeldButtons(0, start_ + milliseconds(100)), kLeftButton);
  EXPECT_EQ(queue_.HeldButtons(0, start_ + InputQueue::kPressHold), 0);

  // Taking the release ends the hold at once.
  ASSERT_EQ(queue_.Take(start_).kind, EventKind::MouseUp);
  EXPECT_EQ(queue_.HeldButtons(0, start_ + milliseconds(10)), 0);
}

TEST_F(InputQueueTest, ButtonsAreHeldSeparatelyAndTheLiveStateAlwaysCounts) {
  EXPECT_EQ(queue_.HeldButtons(kRightButton, start_), kRightButton);
  EXPECT_EQ(queue_.HeldButtons(kLeftButton | kRightButton, start_), kLeftButton | kRightButton);
  EXPECT_EQ(queue_.HeldButtons(4, start_), 0);  // a middle button is none of the program's

  queue_.Push(Make(EventKind::MouseDown), kRightButton);
  queue_.Push(Make(EventKind::MouseUp), kLeftButton);
  queue_.Take(start_);
  queue_.Take(start_);  // a left release does not end the right press
  EXPECT_EQ(queue_.HeldButtons(0, start_ + milliseconds(1)), kRightButton);
  EXPECT_EQ(queue_.HeldButtons(kLeftButton, start_ + milliseconds(1)), kLeftButton | kRightButton);
}

TEST_F(InputQueueTest, APressWhoseReleaseWasLostGetsOneWhenTheProgramWaits) {
  queue_.Push(Make(EventKind::MouseDown, 2), kLeftButton);
  queue_.Take(start_);
  // Still held: nothing is lost.
  EXPECT_FALSE(queue_.ReleaseLostPresses(kLeftButton, kMainWindow));
  queue_.Push(Make(EventKind::MouseUp, 2), kLeftButton);
  queue_.DropWindow(2);  // the window closed before the release was taken

  ASSERT_TRUE(queue_.ReleaseLostPresses(0, kMainWindow));
  const Event release = queue_.Take(start_);
  EXPECT_EQ(release.kind, EventKind::MouseUp);
  EXPECT_EQ(release.window, kMainWindow);
  EXPECT_EQ(queue_.HeldButtons(0, start_), 0);
  EXPECT_FALSE(queue_.ReleaseLostPresses(0, kMainWindow));
  // A release still queued is not lost.
  queue_.Push(Make(EventKind::MouseDown), kRightButton);
  queue_.Push(Make(EventKind::MouseUp), kRightButton);
  queue_.Take(start_);
  EXPECT_FALSE(queue_.ReleaseLostPresses(0, kMainWindow));
}

}  // namespace
}  // namespace vorlanz::platform
