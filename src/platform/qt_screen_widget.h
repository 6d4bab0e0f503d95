#pragma once

// A widget that shows one Surface: the client area of a window or a panel.
// It reports mouse presses, releases and moves over it as events.

#include <QWidget>
#include <cstdint>
#include <functional>

#include "platform/platform.h"
#include "platform/surface.h"

namespace vorlanz::platform {

// Receives what a widget reports: an event and, for a mouse press or
// release, the button it concerns (kLeftButton, kRightButton; else 0).
using EventSink = std::function<void(const Event& event, int button)>;

class ScreenWidget : public QWidget {
 public:
  ScreenWidget(Surface& surface, WindowId window, EventSink sink, QWidget* parent);

  // Schedules a repaint when the surface has been drawn on since the last
  // call; an unchanged surface costs nothing.
  void RefreshIfChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void Report(EventKind kind, Qt::MouseButton button);

  Surface& surface_;
  WindowId window_;
  EventSink sink_;
  std::uint64_t shown_generation_;
};

// Marks a widget as the outer widget or the client of a window.
void TagWindow(QWidget* widget, WindowId window);
// The window a widget belongs to: that of the nearest tagged widget among the
// widget and its parents, or 0 when there is none.
WindowId WindowOfWidget(const QWidget* widget);

}  // namespace vorlanz::platform
