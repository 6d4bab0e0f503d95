#pragma once

// A window with a title bar inside the main window: a child widget that draws
// its own frame, a caption with the title and a close box, around a
// ScreenWidget for its client area.

#include <QString>
#include <QWidget>
#include <functional>

#include "platform/qt_screen_widget.h"

namespace vorlanz::platform {

class SubWindow : public QWidget {
 public:
  // The client surface must be (outer width - 6) x (outer height - 37).
  SubWindow(const QString& title, Surface& client_surface, WindowId window, EventSink sink,
            QWidget* parent);

  ScreenWidget* client() const { return client_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QRect CloseBox() const;
  void PaintCaption(QPainter& painter) const;
  void PaintCloseBox(QPainter& painter) const;

  QString title_;
  WindowId window_;
  EventSink sink_;
  ScreenWidget* client_;
  bool close_box_armed_ = false;  // pressed inside the close box
  bool close_box_down_ = false;   // drawn pressed: armed and the pointer over it
};

}  // namespace vorlanz::platform
