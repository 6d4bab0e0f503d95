#include "platform/qt_platform_impl.h"

namespace vorlanz::platform {

void QtPlatform::Impl::Pump() {
  if (Clock::now() - last_pump < kPumpInterval) return;
  RefreshChanged();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  last_pump = Clock::now();
}

// --- Events ------------------------------------------------------------------

Event QtPlatform::NextEvent(bool wait) {
  if (!wait) {
    impl_->Pump();
    return impl_->input.Take(Clock::now());
  }
  // A button can go down and up over parts that report nothing (a window's
  // frame); whoever waits for its release still hears of it.
  const int held_when_called = impl_->LiveButtons();
  for (;;) {
    impl_->RefreshChanged();
    if (!impl_->input.empty()) return impl_->input.Take(Clock::now());
    if (impl_->input.ReleaseLostPresses(impl_->LiveButtons(), impl_->current)) continue;
    if (held_when_called != 0 && impl_->LiveButtons() == 0) {
      return MouseRelease(impl_->current);
    }
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    impl_->last_pump = Clock::now();
  }
}

int QtPlatform::PendingKey() {
  impl_->Pump();
  while (!impl_->input.empty()) {
    const Event event = impl_->input.Take(Clock::now());
    if (event.kind == EventKind::KeyDown && event.ch != 0) return event.ch;
    if (event.kind == EventKind::Close && event.window == kMainWindow) {
      // Closing the program is not input to be dropped: PollEvent hands the
      // request to the quit handler.
      impl_->input.PushFront(event);
      PollEvent();
    }
  }
  return 0;
}

int QtPlatform::MouseButtons() {
  impl_->Pump();
  return impl_->input.HeldButtons(impl_->LiveButtons(), Clock::now());
}

Point QtPlatform::MousePosition() {
  const auto found = impl_->windows.find(impl_->current);
  if (found == impl_->windows.end() || !found->second.screen) return {};
  const QPoint at = found->second.screen->mapFromGlobal(QCursor::pos());
  return {at.x(), at.y()};
}

void QtPlatform::Pause(int milliseconds) {
  if (milliseconds <= 0) {
    impl_->Pump();
    return;
  }
  bool done = false;
  QTimer timer;
  timer.setSingleShot(true);
  timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer, &QTimer::timeout, &timer, [&done] { done = true; });
  timer.start(milliseconds);
  while (!done) {
    impl_->RefreshChanged();
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  impl_->last_pump = Clock::now();
}

}  // namespace vorlanz::platform
