#include "platform/qt_foreign_presses.h"

#include <QMouseEvent>

#include "platform/platform.h"

namespace vorlanz::platform {
namespace {

int ButtonBit(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return kLeftButton;
    case Qt::RightButton:
      return kRightButton;
    default:
      return 0;
  }
}

}  // namespace

ForeignPresses::ForeignPresses(const QWidget* main_window) : main_window_(main_window) {}

bool ForeignPresses::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
      type != QEvent::MouseButtonRelease) {
    return false;
  }
  const auto* widget = qobject_cast<const QWidget*>(watched);
  if (widget == nullptr) return false;
  const int bit = ButtonBit(static_cast<const QMouseEvent*>(event)->button());
  if (type == QEvent::MouseButtonRelease) {
    foreign_ &= ~bit;
  } else if (widget->window() != main_window_) {
    foreign_ |= bit;
  }
  return false;
}

int ForeignPresses::Own(int live) {
  // A release the filter never saw (the window closed under the pointer)
  // still ends the press.
  foreign_ &= live;
  return live & ~foreign_;
}

}  // namespace vorlanz::platform
