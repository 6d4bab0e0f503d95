#include "platform/qt_screen_widget.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QVariant>

namespace vorlanz::platform {

ScreenWidget::ScreenWidget(Surface& surface, WindowId window, EventSink sink, QWidget* parent)
    : QWidget(parent),
      surface_(surface),
      window_(window),
      sink_(std::move(sink)),
      shown_generation_(surface.generation()) {
  TagWindow(this, window);
  setFixedSize(surface.width(), surface.height());
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  // Focus is given by the program, never taken by a click.
  setFocusPolicy(Qt::NoFocus);
}

void ScreenWidget::RefreshIfChanged() {
  if (surface_.generation() == shown_generation_) return;
  shown_generation_ = surface_.generation();
  update();
}

void ScreenWidget::paintEvent(QPaintEvent* event) {
  if (surface_.width() <= 0 || surface_.height() <= 0) return;
  // Wraps the surface's pixels without copying them.
  const QImage image(reinterpret_cast<const uchar*>(surface_.bits()), surface_.width(),
                     surface_.height(), surface_.width() * 4, QImage::Format_RGB32);
  QPainter painter(this);
  const QRect area = event->rect();
  painter.drawImage(area, image, area);
}

void ScreenWidget::mousePressEvent(QMouseEvent* event) {
  Report(EventKind::MouseDown, event->button());
  event->accept();
}

void ScreenWidget::mouseReleaseEvent(QMouseEvent* event) {
  Report(EventKind::MouseUp, event->button());
  event->accept();
}

void ScreenWidget::mouseMoveEvent(QMouseEvent* event) {
  Report(EventKind::MouseMove, Qt::NoButton);
  event->accept();
}

void ScreenWidget::Report(EventKind kind, Qt::MouseButton button) {
  if (!sink_) return;
  Event event;
  event.kind = kind;
  event.window = window_;
  const int bit = button == Qt::LeftButton    ? kLeftButton
                  : button == Qt::RightButton ? kRightButton
                                              : 0;
  sink_(event, bit);
}

namespace {
constexpr char kWindowProperty[] = "vorlanzWindow";
}

void TagWindow(QWidget* widget, WindowId window) {
  widget->setProperty(kWindowProperty, window);
}

WindowId WindowOfWidget(const QWidget* widget) {
  for (; widget != nullptr; widget = widget->parentWidget()) {
    const QVariant tag = widget->property(kWindowProperty);
    if (tag.isValid()) return tag.toInt();
  }
  return 0;
}

}  // namespace vorlanz::platform
