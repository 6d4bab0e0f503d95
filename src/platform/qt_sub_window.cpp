#include "platform/qt_sub_window.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/event_builders.h"

namespace vorlanz::platform {
namespace {

constexpr int kSide = Platform::kFrameSide;
constexpr int kTop = Platform::kFrameTop;
constexpr int kCaptionHeight = kTop - kSide - 1;  // one grey line below the caption
const QColor kFace(kLightGrey.r, kLightGrey.g, kLightGrey.b);
const QColor kShadow(128, 128, 128);
const QColor kCaption(0, 0, 128);

// A classic raised (or, pressed, sunken) edge two pixels wide inside `r`.
void PaintEdge(QPainter& painter, const QRect& r, bool sunken) {
  const QColor outer_light = sunken ? Qt::black : kFace;
  const QColor inner_light = sunken ? kShadow : Qt::white;
  const QColor outer_dark = sunken ? Qt::white : Qt::black;
  const QColor inner_dark = sunken ? kFace : kShadow;
  const int l = r.left(), t = r.top(), rr = r.right(), b = r.bottom();
  painter.setPen(outer_light);
  painter.drawLine(l, t, rr - 1, t);
  painter.drawLine(l, t, l, b - 1);
  painter.setPen(inner_light);
  painter.drawLine(l + 1, t + 1, rr - 2, t + 1);
  painter.drawLine(l + 1, t + 1, l + 1, b - 2);
  painter.setPen(outer_dark);
  painter.drawLine(l, b, rr, b);
  painter.drawLine(rr, t, rr, b);
  painter.setPen(inner_dark);
  painter.drawLine(l + 1, b - 1, rr - 1, b - 1);
  painter.drawLine(rr - 1, t + 1, rr - 1, b - 1);
}

}  // namespace

SubWindow::SubWindow(const QString& title, Surface& client_surface, WindowId window, EventSink sink,
                     QWidget* parent)
    : QWidget(parent), title_(title), window_(window), sink_(sink) {
  TagWindow(this, window);
  setAttribute(Qt::WA_OpaquePaintEvent);
  client_ = new ScreenWidget(client_surface, window, std::move(sink), this);
  client_->move(kSide, kTop);
}

QRect SubWindow::CloseBox() const {
  constexpr int kWidth = 20;
  constexpr int kHeight = 18;
  return QRect(width() - kSide - 4 - kWidth, kSide + (kCaptionHeight - kHeight) / 2, kWidth,
               kHeight);
}

void SubWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kFace);
  PaintEdge(painter, rect(), false);
  PaintCaption(painter);
  PaintCloseBox(painter);
}

void SubWindow::PaintCaption(QPainter& painter) const {
  const QRect caption(kSide, kSide, width() - 2 * kSide, kCaptionHeight);
  painter.fillRect(caption, kCaption);
  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(12);
  painter.setFont(font);
  painter.setPen(Qt::white);
  QRect text_area = caption.adjusted(4, 0, 0, 0);
  text_area.setRight(CloseBox().left() - 3);
  const QString text = painter.fontMetrics().elidedText(title_, Qt::ElideRight, text_area.width());
  painter.drawText(text_area, Qt::AlignLeft | Qt::AlignVCenter, text);
}

void SubWindow::PaintCloseBox(QPainter& painter) const {
  const QRect box = CloseBox();
  painter.fillRect(box, kFace);
  PaintEdge(painter, box, close_box_down_);
  // The cross, two pixels thick, moved by one pixel while pressed.
  const int shift = close_box_down_ ? 1 : 0;
  const int size = box.height() - 9;
  const int left = box.left() + (box.width() - size) / 2 + shift;
  const int top = box.top() + (box.height() - size) / 2 + shift;
  painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(left, top, left + size, top + size);
  painter.drawLine(left + size, top, left, top + size);
}

void SubWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && CloseBox().contains(event->position().toPoint())) {
    close_box_armed_ = true;
    close_box_down_ = true;
    update(CloseBox());
  }
  event->accept();
}

void SubWindow::mouseMoveEvent(QMouseEvent* event) {
  if (!close_box_armed_) return;
  const bool over = CloseBox().contains(event->position().toPoint());
  if (over != close_box_down_) {
    close_box_down_ = over;
    update(CloseBox());
  }
}

void SubWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !close_box_armed_) return;
  const bool close = CloseBox().contains(event->position().toPoint());
  close_box_armed_ = false;
  close_box_down_ = false;
  update(CloseBox());
  if (close && sink_) {
    sink_(CloseRequest(window_), 0);
  }
}

}  // namespace vorlanz::platform
