#pragma once

// Bringing a top-level window to the front and making it active, where the
// window system can stack windows (the off-screen one of the tests cannot).

#include <QGuiApplication>
#include <QWidget>

namespace vorlanz::platform {

inline void BringToFront(QWidget& window) {
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) return;
  window.raise();
  window.activateWindow();
}

}  // namespace vorlanz::platform
