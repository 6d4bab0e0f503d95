#pragma once

// Bringing a top-level window to the front and making it active, where the
// window system can stack windows (the off-screen one of the tests cannot).

#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

namespace vorlanz::platform {

inline void BringToFront(QWidget& window) {
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) return;
  window.raise();
  window.activateWindow();
}

// Brings the window to the front a moment later, after the window system
// has stacked the windows shown just now (it raises a dialog it maps again
// together with its main window).
inline void BringToFrontAfterwards(QWidget& window) {
  constexpr int kWindowSystemMs = 150;
  QTimer::singleShot(kWindowSystemMs, &window, [&window] { BringToFront(window); });
}

}  // namespace vorlanz::platform
